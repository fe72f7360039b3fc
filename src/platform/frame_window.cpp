// The top-level window: the close box becomes a request the game answers.
#include "platform/frame_window.h"

#include <QCloseEvent>

namespace drz::platform {

void FrameWindow::closeEvent(QCloseEvent* event) {
    if (mayClose_ && !mayClose_())
        event->ignore();
    else
        event->accept();
}

bool FrameWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowBlocked && blocked_) blocked_();
    return QWidget::event(event);
}

}  // namespace drz::platform
