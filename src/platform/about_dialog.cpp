// The about dialog: information labels and one button, modal the game's way. Its controls keep the names tests
// find them by: the form "Inf", the labels "lbl1".., the button "cmd15".
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/about_dialog.h"
#include "platform/modal_form.h"

namespace drz::platform {

namespace {

constexpr int kOffsetX = 400;
constexpr int kOffsetY = 218;

class AboutForm : public QDialog {
public:
    explicit AboutForm(const AboutText& text) {
        setObjectName(QStringLiteral("Inf"));
        setWindowTitle(QString::fromStdString(text.title));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(24, 18, 24, 14);
        int number = 1;
        for (const std::string& line : text.lines) {
            auto* label = new QLabel(QString::fromStdString(line), this);
            label->setObjectName(QStringLiteral("lbl%1").arg(number));
            label->setWordWrap(true);
            if (number++ == 1) {
                QFont heading = label->font();
                heading.setPointSizeF(heading.pointSizeF() * 1.6);
                heading.setBold(true);
                label->setFont(heading);
            }
            layout->addWidget(label);
        }
        if (!text.details.empty()) {
            auto* details = new QLabel(QString::fromStdString(text.details), this);
            details->setObjectName(QStringLiteral("lblDetails"));
            details->setWordWrap(true);
            QFont small = details->font();
            small.setPointSizeF(small.pointSizeF() * 0.85);
            details->setFont(small);
            details->setEnabled(false);  // greyed: not for the game, for who asks how it is made
            layout->addWidget(details);
        }
        auto* ok = new QPushButton(QStringLiteral("&OK"), this);
        ok->setObjectName(QStringLiteral("cmd15"));
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, [this] { OkClicked(); });
        layout->addSpacing(8);
        layout->addWidget(ok, 0, Qt::AlignHCenter);
        setFixedWidth(460);
    }

    bool DialogDone = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        DialogDone = true;
        QDialog::closeEvent(event);
    }

private:
    void OkClicked() {
        DialogDone = true;
        hide();
    }
};

}  // namespace

void ShowAboutForm(MainWindow& owner, const AboutText& text) {
    AboutForm form(text);
    RunModalForm(owner, form, kOffsetX, kOffsetY, [&form] { return form.DialogDone; });
}

std::string ToolkitVersion() { return qVersion(); }

}  // namespace drz::platform
