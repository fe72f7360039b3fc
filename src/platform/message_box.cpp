// Message boxes: one button per caption, the given default, an escape button, the answer counted from 1.
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "platform/window_impl.h"

namespace drz::platform {

namespace {

QMessageBox::Icon IconOf(int code) {
    switch (code) {
        case 1:
            return QMessageBox::Critical;
        case 2:
            return QMessageBox::Question;
        case 3:
            return QMessageBox::Warning;
        case 4:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

int MainWindow::MessageBox(int icon, std::string_view text, int defaultButton, std::string_view captions) {
    impl_->lastBoxText = std::string(text);
    if (!impl_->answers.empty()) {
        const int answer = impl_->answers.front();
        impl_->answers.pop_front();
        return answer;
    }
    QMessageBox box(impl_->open ? impl_->frame.get() : nullptr);
    box.setWindowTitle(impl_->frame->windowTitle());
    box.setIcon(IconOf(icon));
    box.setText(FromUtf8(text));
    std::vector<QPushButton*> buttons;
    // Action buttons keep the order in which they were added, on every platform's button layout.
    for (const QString& caption : FromUtf8(captions).split(QLatin1Char('|')))
        buttons.push_back(box.addButton(caption, QMessageBox::ActionRole));
    if (defaultButton >= 1 && defaultButton <= static_cast<int>(buttons.size()))
        box.setDefaultButton(buttons[defaultButton - 1]);
    box.setEscapeButton(buttons.back());
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return static_cast<int>(i) + 1;
    return static_cast<int>(buttons.size());  // closed without a button: as the escape button
}

void MainWindow::QueueMessageBoxAnswer(int button) { impl_->answers.push_back(button); }
std::string MainWindow::LastMessageBoxText() const { return impl_->lastBoxText; }

}  // namespace drz::platform
