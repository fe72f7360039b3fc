// The name dialog `champ`: the label `lbl2`, the field `ed1`, "&OK" (`cmd5`, the default) and "&Abbrechen" (`cmd6`).
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
        auto* lbl2 =
            Named(new QLabel(QStringLiteral("Ihre Zeit gehört zu den zehn besten!\nBitte geben Sie Ihren Namen ein:")),
                  "lbl2");
        ed1_ = Named(new QLineEdit(QString::fromStdString(name)), "ed1");
        ed1_->setMaxLength(kLongestName);
        ed1_->setMinimumWidth(300);
        lbl2->setBuddy(ed1_);
        auto* cmd5 = Named(new QPushButton(QStringLiteral("&OK")), "cmd5");
        auto* cmd6 = Named(new QPushButton(QStringLiteral("&Abbrechen")), "cmd6");
        cmd5->setDefault(true);
        connect(cmd5, &QPushButton::clicked, this, [this] { cmd5_Click(); });
        connect(cmd6, &QPushButton::clicked, this, [this] { cmd6_Click(); });

        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(cmd5);
        buttons->addWidget(cmd6);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(lbl2);
        layout->addWidget(ed1_);
        layout->addLayout(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        ed1_->selectAll();  // Return keeps the name offered, typing replaces it
        ed1_->setFocus();
    }

    bool DialogDone = false;
    std::optional<std::string> confirmed;

private:
    template <typename Widget>
    static Widget* Named(Widget* widget, const char* name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    }

    void cmd5_Click() {
        DialogDone = true;
        confirmed = ed1_->text().toStdString();
        accept();
    }
    void cmd6_Click() {
        DialogDone = true;
        reject();
    }

    QLineEdit* ed1_;
};

}  // namespace

std::optional<std::string> AskNameDialog(MainWindow& owner, const std::string& name) {
    NameForm champ(name);
    RunModalForm(owner, champ, 451, 367, [&champ] { return champ.DialogDone; });
    return champ.confirmed;
}

}  // namespace drz::platform
