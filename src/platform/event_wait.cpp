// The event wait: one input event at a time, moves and close requests handled on the way.
#include <QCoreApplication>
#include <QEventLoop>

#include "platform/window_impl.h"

namespace drz::platform {

std::optional<InputEvent> MainWindow::Impl::Dispatch(const QueuedInput& entry) {
    switch (entry.kind) {
        case QueuedInput::Kind::Move:
            mouseX = entry.event.x, mouseY = entry.event.y;
            if (mouseMove) mouseMove(mouseX, mouseY);
            return std::nullopt;
        case QueuedInput::Kind::Close:
            // Runs outside every toolkit frame, so the handler may end the program by throwing ProgramExit.
            if (!onClose) throw ProgramExit();
            onClose();
            return std::nullopt;
        case QueuedInput::Kind::Input:
            break;
    }
    const int m = entry.event.message;
    if (m == kLeftButtonDown || m == kRightButtonDown) mouseX = entry.event.x, mouseY = entry.event.y;
    last = entry.event;
    return last;
}

void MainWindow::Impl::MenuChosen(int id) {
    if (menuEnabled) input.Post(InputEvent{kMenuCommand, id, input.PointerX(), input.PointerY()});
}

InputEvent MainWindow::WaitEvent() {
    for (;;) {
        QueuedInput entry;
        while (!impl_->closed && impl_->input.Pop(entry))
            if (auto event = impl_->Dispatch(entry)) return *event;
        if (impl_->closed) throw ProgramExit();
        // A key release may still be waiting out its hold time; its timer wakes the loop.
        if (!impl_->open && impl_->input.Empty()) throw ProgramExit();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

const InputEvent& MainWindow::LastEvent() const { return impl_->last; }
int MainWindow::MouseX() const { return impl_->mouseX; }
int MainWindow::MouseY() const { return impl_->mouseY; }

bool MainWindow::LeftButtonDown() const {
    QCoreApplication::processEvents();
    return impl_->input.LeftDown();
}

bool MainWindow::AnyButtonDown() const {
    QCoreApplication::processEvents();
    return impl_->input.AnyButtonDown();
}

void MainWindow::WaitButtonsReleased() {
    QCoreApplication::processEvents();
    while (impl_->open && impl_->input.AnyButtonDown()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void MainWindow::SetMouseMoveHandler(std::function<void(int x, int y)> handler) {
    impl_->mouseMove = std::move(handler);
}
void MainWindow::SetCloseHandler(std::function<void()> handler) { impl_->onClose = std::move(handler); }
void MainWindow::PostInput(const InputEvent& event) { impl_->input.Post(event); }
void MainWindow::PostMove(int x, int y) { impl_->input.Move(x, y); }
void MainWindow::RequestClose() { impl_->input.Close(); }

}  // namespace drz::platform
