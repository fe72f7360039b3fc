// The main window: title, placement, the screen it shows, closing.
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "platform/large_fonts.h"
#include "platform/window_impl.h"

namespace drz::platform {

MainWindow::Impl::Impl()
    : frame(std::make_unique<FrameWindow>(
          [this] {
              if (closing) return true;
              input.Close();  // the game decides, inside its wait
              return false;
          },
          [this] { input.ForgetButtons(); },
          [this] {
              input.Post(InputEvent{kWindowMinimized, 1, input.PointerX(), input.PointerY()});
          })),
      menus([this](int id) { MenuChosen(id); }) {
    view = new ScreenWidget(screen, clock, input, frame.get());
    layout = new QVBoxLayout(frame.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view);
    frame->setFocusProxy(view);
    screen.impl().changed = [this](const QRect& area) { view->RequestRepaint(area); };
    QObject::connect(&frameWatch, &QTimer::timeout, frame.get(), [this] { RefitOnceFramed(); });
}

MainWindow::Impl::~Impl() {
    InstallBar(nullptr);  // the registry owns the bars, not the frame
    screen.impl().changed = nullptr;
    if (waitCursorShown) QGuiApplication::restoreOverrideCursor();
}

void MainWindow::Impl::InstallBar(QMenuBar* bar) {
    if (QWidget* old = layout->menuBar()) {
        old->hide();
        old->setParent(nullptr);
    }
    layout->setMenuBar(bar);
    if (!bar) return;
    bar->setEnabled(menuEnabled);
    bar->show();
    // A bar installed on an open window must not take its rows from the screen area.
    if (open && frame->size() == fittedSize) FitToScreen();
}

MainWindow::MainWindow() : impl_(std::make_unique<Impl>()) {}
MainWindow::~MainWindow() = default;

MainWindow::Impl& WindowParts(MainWindow& window) { return *window.impl_; }
const MainWindow::Impl& WindowParts(const MainWindow& window) { return *window.impl_; }

void MainWindow::SetTitle(std::string_view title) {
    impl_->frame->setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
}

std::string MainWindow::Title() const { return impl_->frame->windowTitle().toStdString(); }

int MainWindow::ScreenWidth() const { return impl_->frame->screen()->geometry().width(); }
int MainWindow::ScreenHeight() const { return impl_->frame->screen()->geometry().height(); }

void MainWindow::SetBackground(Rgb colour) {
    impl_->screen.Clear(colour);
    impl_->view->SetSurround(QColor(colour.r, colour.g, colour.b));
}

bool MainWindow::IsOpen() const { return impl_->open; }

void MainWindow::Close() {
    impl_->closing = true;
    impl_->frame->close();
    impl_->open = false;
    impl_->closed = true;
    impl_->closing = false;
}

bool MainWindow::LargeFonts() const {
    const QScreen* screen = impl_->frame->screen();
    return screen && LargeFontsAt(screen->logicalDotsPerInchY());
}

Canvas& MainWindow::Screen() { return impl_->screen; }

void MainWindow::SetCursor(Cursor cursor) {
    impl_->cursor = cursor;
    const bool wait = cursor == Cursor::Wait;
    if (wait && !impl_->waitCursorShown) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (!wait && impl_->waitCursorShown) QGuiApplication::restoreOverrideCursor();
    impl_->waitCursorShown = wait;
    impl_->view->setCursor(Qt::ArrowCursor);
}

Cursor MainWindow::CurrentCursor() const { return impl_->cursor; }

}  // namespace drz::platform
