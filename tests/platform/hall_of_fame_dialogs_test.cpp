// The name dialog `champ` and the hall-of-fame dialog `ruhm`, driven by scripted steps and looked at while open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <cmath>

#include "platform/hall_of_fame_dialog.h"
#include "platform/name_dialog.h"
#include "platform/window_impl.h"

namespace drz::platform {
namespace {

using K = DialogStep::Kind;

// The visible top-level form of that name.
QDialog* Form(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == name && top->isVisible()) return qobject_cast<QDialog*>(top);
    return nullptr;
}

class HallOfFameDialogs : public ::testing::Test {
protected:
    void SetUp() override { w.Open(30, 20, kScreenWidth, 963); }
    // Where the form's frame sits from the main window's frame.
    QPoint Offset(QWidget* form) {
        return form->frameGeometry().topLeft() - WindowParts(w).frame->frameGeometry().topLeft();
    }
    MainWindow w;
};

TEST_F(HallOfFameDialogs, NameDialogOffersTheLastNameAndConfirmsOrDeclines) {
    bool looked = false;
    // Registered before the form opens, so it runs before the first step.
    QTimer::singleShot(0, [&] {
        QDialog* champ = Form("champ");
        ASSERT_NE(champ, nullptr);
        looked = true;
        EXPECT_EQ(Offset(champ), QPoint(451, 367));
        EXPECT_FALSE(WindowParts(w).frame->isEnabled());
        EXPECT_NE(champ->findChild<QLabel*>("lbl2")->text().indexOf("Namen"), -1);
        auto* ed1 = champ->findChild<QLineEdit*>("ed1");
        EXPECT_EQ(ed1->text(), "Anna");
        EXPECT_EQ(champ->focusWidget(), ed1);
        EXPECT_TRUE(champ->findChild<QPushButton*>("cmd5")->isDefault());
        EXPECT_EQ(champ->findChild<QPushButton*>("cmd6")->text(), "&Abbrechen");
    });
    w.QueueDialogSteps({{K::Key, "Return"}});
    EXPECT_EQ(AskNameDialog(w, "Anna"), std::optional<std::string>("Anna"));
    EXPECT_TRUE(looked);
    EXPECT_TRUE(WindowParts(w).frame->isEnabled());

    w.QueueDialogSteps({{K::Type, "Jörg Ü"}, {K::Click, "cmd5"}});  // typing replaces the name offered
    EXPECT_EQ(AskNameDialog(w, "Anna"), std::optional<std::string>("Jörg Ü"));
    for (const DialogStep& decline :
         {DialogStep{K::Click, "cmd6"}, DialogStep{K::Key, "Escape"}, DialogStep{K::Close, ""}}) {
        w.QueueDialogSteps({{K::Type, "Berta"}, decline});
        EXPECT_FALSE(AskNameDialog(w, "Anna"));
    }
}

TEST_F(HallOfFameDialogs, ListsShowTheFilledPlacesOnTheCurrentLevelWithTheNewEntrySelected) {
    HallOfFameLists lists;
    for (int place = 1; place <= 10; ++place)
        lists.levels[2].push_back({(place < 10 ? " " : "") + std::to_string(place) + ".",
                                   "Spieler " + std::to_string(place), "08.12.2026",
                                   "00:4" + std::to_string(place - 1) + ":07.3", place == 9});
    lists.levels[0].push_back({" 1.", "Anna", "01.01.2026", "00:10:00.0"});
    lists.currentTab = 2;
    int asked = 0;
    const auto confirm = [&] {
        QDialog* ruhm = Form("ruhm");
        if (++asked > 1 || !ruhm) return true;
        EXPECT_EQ(ruhm->windowTitle(), "Ruhmeshalle:");
        EXPECT_EQ(Offset(ruhm), QPoint(242, 200));
        auto* tbs1 = ruhm->findChild<QTabWidget*>("tbs1");
        QStringList tabs;
        for (int tab = 0; tab < tbs1->count(); ++tab)
            tabs << tbs1->tabText(tab) + "/" + tbs1->widget(tab)->objectName();
        EXPECT_EQ(tabs.join(" "), "Leicht/liste1 Mittel/liste2 Schwer/liste3 Extrem/liste4");
        EXPECT_EQ(tbs1->currentIndex(), 2);
        auto* lv3 = ruhm->findChild<QTreeWidget*>("lv3");
        EXPECT_EQ(lv3->font().pointSize(), 12);
        const char* headers[] = {"#", "Name", "Datum", "Zeit"};
        const int twips[] = {415, 3100, 1400, 1345};
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(lv3->headerItem()->text(column), headers[column]);
            EXPECT_GE(lv3->columnWidth(column), std::lround(twips[column] * ruhm->logicalDpiX() / 1440.0));
        }
        EXPECT_EQ(lv3->topLevelItemCount(), 10);
        EXPECT_EQ(lv3->topLevelItem(0)->text(0) + lv3->topLevelItem(9)->text(0) + lv3->topLevelItem(9)->text(3),
                  " 1.10.00:49:07.3");
        EXPECT_TRUE(lv3->topLevelItem(0)->textAlignment(0) & Qt::AlignRight);
        EXPECT_EQ(lv3->currentItem(), lv3->topLevelItem(8));
        EXPECT_TRUE(lv3->currentItem()->isSelected());
        EXPECT_TRUE(lv3->viewport()->rect().contains(lv3->visualItemRect(lv3->currentItem())));
        EXPECT_EQ(ruhm->findChild<QTreeWidget*>("lv1")->topLevelItemCount(), 1);
        EXPECT_EQ(ruhm->findChild<QTreeWidget*>("lv2")->topLevelItemCount(), 0);
        return false;  // "&NEIN": the dialog stays
    };
    w.QueueDialogSteps({{K::Click, "cmd4"}, {K::SelectTab, "1"}, {K::Click, "cmd4"}});
    EXPECT_EQ(ShowHallOfFameDialog(w, lists, confirm), std::optional<int>(1));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(w.LastDialogTitle(), "Ruhmeshalle:");

    for (const DialogStep& close :
         {DialogStep{K::Click, "cmd3"}, DialogStep{K::Key, "Escape"}, DialogStep{K::Close, ""}}) {
        w.QueueDialogSteps({close});
        EXPECT_FALSE(ShowHallOfFameDialog(w, lists, confirm));
    }
}

// After "&NEIN" the question's box hands the activation back to the disabled main window; the lists take it
// again, so Return and Escape work without a click.
TEST_F(HallOfFameDialogs, ListsAreActiveAgainAfterTheDeletionIsDeclined) {
    HallOfFameLists lists;
    lists.levels[0].push_back({" 1.", "Anna", "01.01.2026", "00:10:00.0"});
    bool stolen = false, activeAgain = false;
    int asked = 0;
    const auto decline = [&] {
        QApplication::processEvents();
        if (++asked == 2) activeAgain = QApplication::activeWindow() == Form("ruhm");
        WindowParts(w).frame->activateWindow();  // what the closing box does
        QApplication::processEvents();
        if (asked == 1) stolen = QApplication::activeWindow() != Form("ruhm");
        return false;
    };
    w.QueueDialogSteps({{K::Click, "cmd4"}, {K::Click, "cmd4"}, {K::Key, "Escape"}});
    EXPECT_FALSE(ShowHallOfFameDialog(w, lists, decline));
    EXPECT_TRUE(stolen);
    EXPECT_TRUE(activeAgain);
}

}  // namespace
}  // namespace drz::platform
