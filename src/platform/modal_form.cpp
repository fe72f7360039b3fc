// Dialog forms run modally the game's way: owner disabled, own wait loop, owner enabled again.
#include "platform/modal_form.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QWindow>

#include "platform/dialog_steps.h"
#include "platform/window_impl.h"

namespace drz::platform {

namespace {

// Until a window is on the screen the toolkit does not know its frame and places its client area at the
// point; once the window manager has framed it, the frame is moved there.
void PlaceFrameOnceFramed(QDialog& form, QPoint corner) {
    QElapsedTimer waited;
    waited.start();
    while (form.isVisible() && !(form.windowHandle() && form.windowHandle()->isExposed()) && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    if (form.frameGeometry().topLeft() != corner) form.move(corner);
}

void ShowOwnedAt(MainWindow::Impl& owner, QDialog& form, int dx, int dy) {
    QWidget* frame = owner.frame.get();
    form.setParent(frame, form.windowFlags() | Qt::Dialog);
    form.setEnabled(true);  // a window may stay enabled over its disabled owner; it must, to take the input
    const QPoint corner = frame->frameGeometry().topLeft() + QPoint(dx, dy);
    form.move(corner);
    form.show();
    form.raise();
    form.activateWindow();
    PlaceFrameOnceFramed(form, corner);
}

void EnableOwner(MainWindow::Impl& owner) {
    owner.frame->setEnabled(true);
    if (!owner.open) return;
    owner.frame->activateWindow();
    owner.view->setFocus();
}

}  // namespace

void RunModalForm(MainWindow& window, QDialog& form, int dx, int dy, const std::function<bool()>& done) {
    MainWindow::Impl& owner = WindowParts(window);
    owner.frame->setEnabled(false);
    owner.input.ForgetButtons();  // the releases of buttons held now go to the form
    ShowOwnedAt(owner, form, dx, dy);
    owner.lastDialogTitle = form.windowTitle().toStdString();
    std::shared_ptr<bool> playing;
    if (!owner.dialogSteps.empty()) {
        playing = PlayDialogSteps(form, std::move(owner.dialogSteps.front()));
        owner.dialogSteps.pop_front();
    }
    while (owner.open && form.isVisible() && !(done && done()))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (playing) *playing = false;  // steps left over belong to this run only
    form.hide();
    EnableOwner(owner);
}

void MainWindow::QueueDialogSteps(std::vector<DialogStep> steps) { impl_->dialogSteps.push_back(std::move(steps)); }
std::string MainWindow::LastDialogTitle() const { return impl_->lastDialogTitle; }

}  // namespace drz::platform
