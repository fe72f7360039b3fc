// The slot dialog: four option buttons for the slots, confirm and cancel; a click or a typed key chooses. Its
// controls keep the names tests find them by: the form "frm1", the options "opt1".."opt4", the buttons "cmd1"
// and "cmd2".
#include "platform/slot_dialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/modal_form.h"

namespace drz::platform {

namespace {

QString FromUtf8(const std::string& s) { return QString::fromStdString(s); }

class SlotForm : public QDialog {
public:
    SlotForm(const SlotDialogRequest& request, QWidget* owner) : QDialog(owner) {
        setObjectName("frm1");
        setWindowTitle(FromUtf8(request.title));
        auto* layout = new QVBoxLayout(this);
        for (int i = 0; i < 4; ++i) {
            slotOptions_[i] = new QRadioButton(FromUtf8(request.options[i]), this);
            slotOptions_[i]->setObjectName(QString("opt%1").arg(i + 1));
            slotOptions_[i]->installEventFilter(this);
            connect(slotOptions_[i], &QRadioButton::clicked, this, [this] { ConfirmSlot(); });
            layout->addWidget(slotOptions_[i]);
        }
        auto* buttons = new QHBoxLayout;
        auto* confirmButton = new QPushButton(FromUtf8(request.confirm), this);
        auto* cancelButton = new QPushButton(QString::fromUtf8("&Abbrechen"), this);
        confirmButton->setObjectName("cmd1");
        cancelButton->setObjectName("cmd2");
        connect(confirmButton, &QPushButton::clicked, this, [this] { ConfirmSlot(); });
        connect(cancelButton, &QPushButton::clicked, this, [this] { reject(); });
        buttons->addStretch();
        buttons->addWidget(confirmButton);
        buttons->addWidget(cancelButton);
        layout->addLayout(buttons);
        ShowSlotChoice(request.checkedSlot);
    }

    std::optional<int> chosen;

protected:
    // The focus goes to the checked option once the form is on the screen (reparenting may have moved it).
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        slotOptions_[CheckedOption()]->setFocus();
    }
    // A typed character on an option ends the dialog: "1".."4" that slot, Enter the focused option, any other
    // character the checked one. Escape cancels (the dialog's own handling); Tab and the arrows move on.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const int focused = OptionIndex(watched);
        if (focused < 0) return false;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            ChooseByKey(focused);
            return true;
        }
        const QString text = key->text();
        if (text.isEmpty() || text.at(0).unicode() < 32 || text.at(0).unicode() == 127) return false;
        const char16_t c = text.at(0).unicode();
        ChooseByKey(c >= u'1' && c <= u'4' ? c - u'1' : CheckedOption());
        return true;
    }

private:
    int OptionIndex(QObject* object) const {
        for (int i = 0; i < 4; ++i)
            if (slotOptions_[i] == object) return i;
        return -1;
    }
    int CheckedOption() const {
        int checked = 0;
        for (int i = 0; i < 4; ++i)
            if (slotOptions_[i]->isChecked()) checked = i;
        return checked;
    }
    void ShowSlotChoice(int slot) {
        slotOptions_[std::clamp(slot, 0, 3)]->setChecked(true);
        slotOptions_[std::clamp(slot, 0, 3)]->setFocus();
    }
    void ChooseByKey(int slot) {
        ShowSlotChoice(slot);
        ConfirmSlot();
    }
    void ConfirmSlot() {
        chosen = CheckedOption();
        accept();
    }

    QRadioButton* slotOptions_[4] = {};
};

}  // namespace

std::optional<int> RunSlotDialog(MainWindow& owner, const SlotDialogRequest& request) {
    SlotForm form(request, nullptr);
    RunModalForm(owner, form, 770, 440, [&form] { return form.chosen.has_value(); });
    return form.chosen;
}

}  // namespace drz::platform
