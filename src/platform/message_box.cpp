// Message boxes: one button per caption, the given default, an escape button, the answer counted from 1.
#include <QMessageBox>
#include <QPushButton>

#include "platform/window_impl.h"

namespace drz::platform {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
    return icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::NoIcon;
}

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

MessageButton ButtonNumber(std::size_t index) { return static_cast<MessageButton>(static_cast<int>(index) + 1); }

}  // namespace

MessageButton MainWindow::MessageBox(MessageIcon icon, std::string_view text, const ButtonCaptions& captions,
                                     MessageButton defaultButton) {
    impl_->lastBoxText = std::string(text);
    if (!impl_->answers.empty()) {
        const MessageButton answer = impl_->answers.front();
        impl_->answers.pop_front();
        return answer;
    }
    QMessageBox box(impl_->open ? impl_->frame.get() : nullptr);
    box.setWindowTitle(impl_->frame->windowTitle());
    box.setIcon(IconOf(icon));
    box.setText(FromUtf8(text));
    std::vector<QPushButton*> buttons;
    // Action buttons keep the order in which they were added, on every platform's button layout.
    for (const std::string& caption : captions)
        buttons.push_back(box.addButton(QString::fromStdString(caption), QMessageBox::ActionRole));
    if (buttons.empty()) buttons.push_back(box.addButton(QStringLiteral("OK"), QMessageBox::ActionRole));
    const auto defaultIndex = static_cast<std::size_t>(static_cast<int>(defaultButton) - 1);
    if (defaultIndex < buttons.size()) box.setDefaultButton(buttons[defaultIndex]);
    box.setEscapeButton(buttons.back());
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return ButtonNumber(i);
    return ButtonNumber(buttons.size() - 1);  // closed without a button: as the escape button
}

void MainWindow::QueueMessageBoxAnswer(MessageButton button) { impl_->answers.push_back(button); }
std::string MainWindow::LastMessageBoxText() const { return impl_->lastBoxText; }

}  // namespace drz::platform
