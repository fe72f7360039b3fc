// The window's clock label: created over the screen, written from the user-interface thread or posted from any.
#include <QMetaObject>

#include "platform/font_resolver.h"
#include "platform/window_impl.h"

namespace drz::platform {

namespace {

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

void MainWindow::CreateClockLabel(int x, int y, int width, int height, std::string_view text, std::string_view face,
                                  int points, Rgb background) {
    const QFont font = ResolveFont(FontRequest::Named(std::string(face), points)).font;
    impl_->clock.Create(QRect(x, y, width, height), FromUtf8(text), font,
                        QColor(background.r, background.g, background.b));
    impl_->view->update();
}

void MainWindow::SetClockText(std::string_view text) {
    impl_->clock.SetText(FromUtf8(text));
    impl_->view->update();
}

void MainWindow::PostClockText(std::string text) {
    // The text travels inside the queued call; the user-interface thread alone touches the label. Calls still
    // queued when the window goes are dropped with it.
    Impl* impl = impl_.get();
    QMetaObject::invokeMethod(
        impl->frame.get(),
        [impl, text = std::move(text)] {
            impl->clock.SetText(QString::fromStdString(text));
            impl->view->update();
        },
        Qt::QueuedConnection);
}

std::string MainWindow::ClockText() const { return impl_->clock.Text().toStdString(); }

}  // namespace drz::platform
