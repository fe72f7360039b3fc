// The name dialog: a prompt, the name field, "&OK" (the default) and "&Abbrechen". Its controls keep the names
// tests find them by: the form "champ", the prompt "lbl2", the field "ed1", the buttons "cmd5" and "cmd6".
#include "platform/name_dialog.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/modal_form.h"

namespace drz::platform {

namespace {

constexpr int kLongestName = 50;

class NameForm : public QDialog {
public:
    explicit NameForm(const std::string& name) {
        setObjectName(QStringLiteral("champ"));
        setWindowTitle(QStringLiteral("Ruhmeshalle"));
        auto* prompt =
            Named(new QLabel(QStringLiteral("Ihre Zeit gehört zu den zehn besten!\nBitte geben Sie Ihren Namen ein:")),
                  "lbl2");
        nameField_ = Named(new QLineEdit(QString::fromStdString(name)), "ed1");
        nameField_->setMaxLength(kLongestName);
        nameField_->setMinimumWidth(300);
        prompt->setBuddy(nameField_);
        auto* okButton = Named(new QPushButton(QStringLiteral("&OK")), "cmd5");
        auto* cancelButton = Named(new QPushButton(QStringLiteral("&Abbrechen")), "cmd6");
        okButton->setDefault(true);
        connect(okButton, &QPushButton::clicked, this, [this] { OkClicked(); });
        connect(cancelButton, &QPushButton::clicked, this, [this] { CancelClicked(); });

        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(okButton);
        buttons->addWidget(cancelButton);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(prompt);
        layout->addWidget(nameField_);
        layout->addLayout(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        nameField_->selectAll();  // Return keeps the name offered, typing replaces it
        nameField_->setFocus();
    }

    bool DialogDone = false;
    std::optional<std::string> confirmed;

private:
    template <typename Widget>
    static Widget* Named(Widget* widget, const char* name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    }

    void OkClicked() {
        DialogDone = true;
        confirmed = nameField_->text().toStdString();
        accept();
    }
    void CancelClicked() {
        DialogDone = true;
        reject();
    }

    QLineEdit* nameField_;
};

}  // namespace

std::optional<std::string> AskNameDialog(MainWindow& owner, const std::string& name) {
    NameForm form(name);
    RunModalForm(owner, form, 451, 367, [&form] { return form.DialogDone; });
    return form.confirmed;
}

}  // namespace drz::platform
