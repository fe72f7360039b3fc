// Showing the screen picture and recording input on it.
#include "platform/screen_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include "platform/canvas_impl.h"
#include "platform/key_codes.h"

namespace drz::platform {

ScreenWidget::ScreenWidget(Canvas& canvas, const ClockLabel& label, InputRecorder& input, QWidget* parent)
    : QWidget(parent), canvas_(canvas), label_(label), input_(input) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(kScreenWidth / 2, kScreenHeight / 2);  // smaller, no cell could be hit reliably
}

void ScreenWidget::SetSurround(const QColor& colour) {
    surround_ = colour;
    update();
}

QSize ScreenWidget::sizeHint() const { return {kScreenWidth, kScreenHeight}; }

void ScreenWidget::RequestRepaint(const QRect& area) {
    const QRect grown = pendingRepaint_ | area;
    if (grown == pendingRepaint_) return;
    pendingRepaint_ = grown;
    update(WidgetRectOf(pendingRepaint_));
}

// The widget's logical pixels that show a part of the picture, rounded outwards with a pixel to spare.
QRect ScreenWidget::WidgetRectOf(const QRect& pictureArea) const {
    const PictureGeometry g = Geometry();
    const double dpr = devicePixelRatioF();
    const double left = (g.origin.x() + pictureArea.left() * g.scale) / dpr;
    const double top = (g.origin.y() + pictureArea.top() * g.scale) / dpr;
    const double right = (g.origin.x() + (pictureArea.right() + 1) * g.scale) / dpr;
    const double bottom = (g.origin.y() + (pictureArea.bottom() + 1) * g.scale) / dpr;
    return QRect(QPoint(static_cast<int>(std::floor(left)) - 1, static_cast<int>(std::floor(top)) - 1),
                 QPoint(static_cast<int>(std::ceil(right)) + 1, static_cast<int>(std::ceil(bottom)) + 1));
}

PictureGeometry ScreenWidget::Geometry() const { return PictureGeometry::For(size(), devicePixelRatioF()); }

QPoint ScreenWidget::ToPicture(const QPointF& widgetPos) const {
    return Geometry().ToPicture(widgetPos, devicePixelRatioF());
}

// The picture is drawn at the scale it is shown at (the canvas keeps it at that resolution), so it reaches the
// screen device pixel for device pixel; only beyond the canvas's largest scale is it enlarged, smoothly.
void ScreenWidget::paintEvent(QPaintEvent*) {
    pendingRepaint_ = QRect();
    const double dpr = devicePixelRatioF();
    const PictureGeometry g = Geometry();
    canvas_.SetDeviceScale(g.scale);
    const Canvas::Impl& picture = canvas_.impl();
    const QImage& shown = picture.device.Active() ? picture.device.Image() : picture.image;
    const QRectF target(QPointF(g.origin) / dpr, QSizeF(g.size) / dpr);
    QPainter p(this);
    if (g.size != size() * dpr) p.fillRect(rect(), surround_);
    p.setRenderHint(QPainter::SmoothPixmapTransform, shown.size() != g.size);
    p.drawImage(target, shown, QRectF(shown.rect()));
    p.translate(target.topLeft());
    p.scale(g.scale / dpr, g.scale / dpr);
    label_.Paint(p, g.scale != 1);
}

void ScreenWidget::keyPressEvent(QKeyEvent* e) {
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    const bool alt = e->modifiers() & Qt::AltModifier;
    const int modifiers = (e->modifiers() & Qt::ShiftModifier ? kShiftHeld : 0) |
                          (e->modifiers() & Qt::ControlModifier ? kControlHeld : 0);
    input_.KeyPress(VirtualKeyOf(e->key(), keypad), TypedCharacterOf(e->key(), e->text()), e->isAutoRepeat(), alt,
                    modifiers);
    e->accept();
}

void ScreenWidget::keyReleaseEvent(QKeyEvent* e) {
    input_.KeyRelease(VirtualKeyOf(e->key(), e->modifiers() & Qt::KeypadModifier), e->isAutoRepeat());
    e->accept();
}

void ScreenWidget::mousePressEvent(QMouseEvent* e) {
    const QPoint p = ToPicture(e->position());
    input_.ButtonPress(e->button(), p.x(), p.y());
    e->accept();
}

// Without double-click messages the second click of a pair is just another press.
void ScreenWidget::mouseDoubleClickEvent(QMouseEvent* e) { mousePressEvent(e); }

void ScreenWidget::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = ToPicture(e->position());
    input_.ButtonRelease(e->button(), p.x(), p.y());
    e->accept();
}

void ScreenWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = ToPicture(e->position());
    input_.Move(p.x(), p.y());
    e->accept();
}

bool ScreenWidget::focusNextPrevChild(bool) { return false; }

}  // namespace drz::platform
