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
constexpr int kFrameChecks = 75;  // the window manager gets a second and a half to frame the window

// Before the window manager has framed the window its frame is not known; a title bar and thin borders are
// assumed, so that the first guess is on the safe side.
QMargins FrameMargins(const QWidget& frame) {
    const QWindow* handle = frame.windowHandle();
    const QMargins known = handle ? handle->frameMargins() : QMargins();
    if (!known.isNull() || QGuiApplication::platformName() == QLatin1String("offscreen")) return known;
    return {4, 32, 4, 4};
}

}  // namespace

void MainWindow::Impl::FitToScreen() {
    const QScreen* screen = frame->screen() ? frame->screen() : QGuiApplication::primaryScreen();
    const QWidget* bar = layout->menuBar();
    const int barHeight = bar ? bar->sizeHint().height() : 0;
    const WindowFit fit = FitWindow(screen->availableGeometry(), FrameMargins(*frame), barHeight, wantedPos);
    frame->move(fit.framePos);
    frame->resize(fit.client);
    fittedSize = fit.client;
}

void MainWindow::Impl::RefitOnceFramed() {
    const QWindow* handle = frame->windowHandle();
    const bool framed = handle && !handle->frameMargins().isNull();
    if (++frameChecks >= kFrameChecks || framed || closed) frameWatch.stop();
    const bool untouched = frame->size() == fittedSize && !frame->isMaximized() && !frame->isFullScreen();
    if (framed && untouched && open) FitToScreen();
}

void MainWindow::Open(int x, int y, int /*width*/, int /*height*/) {
    impl_->wantedPos = {x, y};
    impl_->FitToScreen();
    impl_->frame->show();
    impl_->frame->raise();
    impl_->frame->activateWindow();
    impl_->view->setFocus();
    impl_->open = true;
    impl_->frameChecks = 0;
    impl_->frameWatch.start(kFrameCheckMs);
}

}  // namespace drz::platform
