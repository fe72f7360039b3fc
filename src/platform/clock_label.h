// clock_label.h — the clock control: a text field drawn over the screen picture at its own rectangle.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

namespace drz::platform {

class ClockLabel {
public:
    void Create(const QRect& area, const QString& text, const QFont& font, const QColor& background);
    void SetText(const QString& text) { text_ = text; }
    const QString& Text() const { return text_; }
    const QRect& Area() const { return area_; }
    // Draws the label in screen-picture coordinates: background, then the text left-aligned and vertically
    // centred, clipped to the label. `smooth`: the picture is shown at another scale, the digits are smoothed.
    void Paint(QPainter& painter, bool smooth = false) const;

private:
    bool exists_ = false;
    QRect area_;
    QString text_;
    QFont font_;
    QColor background_;
};

}  // namespace drz::platform
