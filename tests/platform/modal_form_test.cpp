// Dialog forms: owner disabled while they run, placed at their offset, ended by the player's steps.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/modal_form.h"
#include "platform/window_impl.h"

namespace drz::platform {
namespace {

// A small form like the game's: two options, an edit field, a confirm button that is the default.
struct Form : QDialog {
    Form() {
        setWindowTitle("Probe");
        auto* layout = new QVBoxLayout(this);
        for (QRadioButton** opt : {&opt1, &opt2}) {
            *opt = new QRadioButton(this);
            layout->addWidget(*opt);
        }
        opt1->setObjectName("opt1");
        opt2->setObjectName("opt2");
        edit = new QLineEdit(this);
        edit->setObjectName("ed1");
        layout->addWidget(edit);
        ok = new QPushButton("&OK", this);
        ok->setObjectName("cmd1");
        ok->setDefault(true);
        layout->addWidget(ok);
        connect(ok, &QPushButton::clicked, this, [this] {
            confirmed = true;
            accept();
        });
        connect(opt2, &QRadioButton::clicked, this, [this] { ownerEnabledMeanwhile = ownerFrame->isEnabled(); });
    }
    QRadioButton *opt1 = nullptr, *opt2 = nullptr;
    QLineEdit* edit = nullptr;
    QPushButton* ok = nullptr;
    QWidget* ownerFrame = nullptr;
    bool confirmed = false;
    bool ownerEnabledMeanwhile = true;
};

class ModalFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        w.Open(30, 20, kScreenWidth, 963);
        form.ownerFrame = WindowParts(w).frame.get();
    }
    void Run(std::vector<DialogStep> steps) {
        w.QueueDialogSteps(std::move(steps));
        RunModalForm(w, form, 770, 440);
    }
    MainWindow w;
    Form form;
};

using K = DialogStep::Kind;

TEST_F(ModalFormTest, ClickRunsTheHandlerWithTheOwnerDisabledAndPlacesTheFormAtItsOffset) {
    Run({{K::Click, "opt2"}, {K::Click, "cmd1"}});
    EXPECT_TRUE(form.opt2->isChecked());
    EXPECT_FALSE(form.ownerEnabledMeanwhile);
    EXPECT_TRUE(form.confirmed);
    EXPECT_TRUE(WindowParts(w).frame->isEnabled());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.frameGeometry().topLeft() - WindowParts(w).frame->frameGeometry().topLeft(), QPoint(770, 440));
    EXPECT_EQ(w.LastDialogTitle(), "Probe");
}

TEST_F(ModalFormTest, TypedTextAndReturnReachTheFocusedControlAndTheDefaultButton) {
    form.edit->setFocus();
    Run({{K::Type, "Jörg 7"}, {K::Key, "Return"}});
    EXPECT_EQ(form.edit->text().toStdString(), "Jörg 7");
    EXPECT_TRUE(form.confirmed);
}

TEST_F(ModalFormTest, EscapeAndTheCloseBoxEndTheFormWithoutConfirming) {
    Run({{K::Key, "Escape"}, {K::Click, "cmd1"}});
    EXPECT_FALSE(form.confirmed);  // the steps after the form has gone are not played
    Run({{K::Close, ""}});
    EXPECT_FALSE(form.confirmed);
    EXPECT_TRUE(WindowParts(w).frame->isEnabled());
}

TEST_F(ModalFormTest, TheDoneConditionEndsTheWaitAndEachFormTakesItsOwnSteps) {
    w.QueueDialogSteps({{K::Click, "opt1"}});
    w.QueueDialogSteps({{K::Click, "cmd1"}});
    RunModalForm(w, form, 0, 0, [this] { return form.opt1->isChecked(); });
    EXPECT_FALSE(form.confirmed);
    RunModalForm(w, form, 0, 0);
    EXPECT_TRUE(form.confirmed);
}

}  // namespace
}  // namespace drz::platform
