// Showing the screen picture and recording input on it.
#include "platform/screen_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/canvas.h"
#include "platform/key_codes.h"

namespace drz::platform {

ScreenWidget::ScreenWidget(const QImage& image, const ClockLabel& label, InputRecorder& input, QWidget* parent)
    : QWidget(parent), image_(image), label_(label), input_(input) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(kScreenWidth / 8, kScreenHeight / 8);
}

void ScreenWidget::SetSurround(const QColor& colour) {
    surround_ = colour;
    update();
}

QSize ScreenWidget::sizeHint() const { return {kScreenWidth, kScreenHeight}; }

// The picture keeps its aspect. From twice its size on it is enlarged by whole numbers only, so every pixel
// becomes a crisp square; below that it is scaled by any factor, smoothly.
double ScreenWidget::Scale() const {
    const double s = std::min(double(width()) / kScreenWidth, double(height()) / kScreenHeight);
    return s >= 2.0 ? std::floor(s) : s;
}

QRect ScreenWidget::PictureRect() const {
    const double s = Scale();
    const int w = static_cast<int>(std::lround(kScreenWidth * s));
    const int h = static_cast<int>(std::lround(kScreenHeight * s));
    return {0, 0, w, h};  // anchored at the top-left corner
}

QPoint ScreenWidget::ToPicture(const QPointF& widgetPos) const {
    const QRect r = PictureRect();
    const double s = Scale();
    return {static_cast<int>(std::floor((widgetPos.x() - r.left()) / s)),
            static_cast<int>(std::floor((widgetPos.y() - r.top()) / s))};
}

void ScreenWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = PictureRect();
    if (r.size() != size()) p.fillRect(rect(), surround_);
    const double s = Scale();
    if (s == std::floor(s)) {
        p.drawImage(r, image_);  // 1:1 or a whole-number enlargement: pixels repeated, never blurred
    } else {
        // Averaging over the covered pixels keeps thin lines and small text visible when the picture shrinks,
        // which sampling would drop.
        p.drawImage(r.topLeft(), image_.scaled(r.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    p.translate(r.topLeft());
    p.scale(s, s);
    label_.Paint(p);
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
