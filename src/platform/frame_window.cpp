// The top-level window: the close box becomes a request the game answers.
#include "platform/frame_window.h"

#include <QCloseEvent>
#include <QWindowStateChangeEvent>

namespace drz::platform {

void FrameWindow::closeEvent(QCloseEvent* event) {
    if (mayClose_ && !mayClose_())
        event->ignore();
    else
        event->accept();
}

bool FrameWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowBlocked && blocked_) blocked_();
    if (event->type() == QEvent::WindowStateChange && minimised_ && isMinimized() &&
        !(static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized))
        minimised_();
    return QWidget::event(event);
}

}  // namespace drz::platform
