// The main window's first size and place: its own size where it fits the work area, else scaled down to fit.
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include "platform/window_fit.h"
#include "platform/window_impl.h"

namespace drz::platform {

namespace {

constexpr int kFrameCheckMs = 20;
constexpr int kFrameChecks = 75;   // the window manager gets a second and a half to frame the window
constexpr int kSettledChecks = 5;  // and the window stands still for a tenth of a second

// Before the window manager has framed the window its frame is not known; a title bar and thin borders are
// assumed, so that the first guess is on the safe side.
QMargins FrameMargins(const QWidget& frame) {
    const QWindow* handle = frame.windowHandle();
    const QMargins known = handle ? handle->frameMargins() : QMargins();
    if (!known.isNull() || QGuiApplication::platformName() == QLatin1String("offscreen")) return known;
    return {4, 32, 4, 4};
}

}  // namespace

QRect MainWindow::Impl::FittedFrame(const QMargins& margins) const {
    const QScreen* screen = frame->screen() ? frame->screen() : QGuiApplication::primaryScreen();
    const QWidget* bar = layout->menuBar();
    const WindowFit fit =
        FitWindow(screen->availableGeometry(), margins, bar ? bar->sizeHint().height() : 0, wantedPos);
    return {fit.framePos, fit.client.grownBy(margins)};
}

void MainWindow::Impl::FitToScreen() {
    const QMargins margins = FrameMargins(*frame);
    const QRect outer = FittedFrame(margins);
    // Sized first, then placed by its frame: on a shown window the toolkit's resize may shift the window by its
    // frame, the move that follows puts the frame where it belongs.
    frame->resize(outer.marginsRemoved(margins).size());
    frame->move(outer.topLeft());
    fittedSize = frame->size();
}

// Until the window manager has framed the window and it stands where the fit with the real frame puts it; the
// player's own resize or maximise ends the watch.
void MainWindow::Impl::RefitOnceFramed() {
    const QWindow* handle = frame->windowHandle();
    const bool untouched = frame->size() == fittedSize && !frame->isMaximized() && !frame->isFullScreen();
    if (++frameChecks >= kFrameChecks || closed || !open || !untouched || !handle) {
        frameWatch.stop();
        return;
    }
    const QMargins margins = handle->frameMargins();
    if (margins.isNull()) return;
    if (frame->frameGeometry() != FittedFrame(margins)) {
        FitToScreen();
        settledChecks = 0;
    } else if (++settledChecks >= kSettledChecks) {
        frameWatch.stop();
    }
}

void MainWindow::Open(int x, int y, int /*width*/, int /*height*/) {
    impl_->wantedPos = {x, y};
    impl_->FitToScreen();
    impl_->frame->show();
    impl_->frame->raise();
    impl_->frame->activateWindow();
    impl_->view->setFocus();
    impl_->open = true;
    impl_->frameChecks = impl_->settledChecks = 0;
    impl_->frameWatch.start(kFrameCheckMs);
}

}  // namespace drz::platform
