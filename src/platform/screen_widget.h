// screen_widget.h — the widget that shows the screen picture (centred, aspect kept, drawn at the device's
// resolution) and the clock label, and hands the player's input, in picture pixels, to the recorder.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "platform/canvas.h"
#include "platform/clock_label.h"
#include "platform/input_recorder.h"
#include "platform/picture_geometry.h"

namespace drz::platform {

class ScreenWidget : public QWidget {
public:
    ScreenWidget(Canvas& canvas, const ClockLabel& label, InputRecorder& input, QWidget* parent);

    void SetSurround(const QColor& colour);  // shown around the picture when the aspect leaves room
    PictureGeometry Geometry() const;        // where the picture is shown, device pixels
    QPoint ToPicture(const QPointF& widgetPos) const;
    QSize sizeHint() const override;
    // The picture changed in `area` (1x pixels): one repaint of what changed, however many operations come first.
    void RequestRepaint(const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;  // Tab is a key of the game, not a focus move

private:
    Canvas& canvas_;
    const ClockLabel& label_;
    InputRecorder& input_;
    QColor surround_{180, 201, 208};
    QRect pendingRepaint_;  // picture pixels changed since the last paint

    QRect WidgetRectOf(const QRect& pictureArea) const;
};

}  // namespace drz::platform
