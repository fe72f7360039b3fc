// Menus: items by id with "&" captions, separators, nested popups, check marks that stay the game's, installing.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>

#include "platform/window.h"
#include "platform/window_impl.h"

namespace drz::platform {
namespace {

class MenuTest : public ::testing::Test {
protected:
    // A bar like the game's: a popup with items and a separator, a nested popup, a command on the bar.
    MenuHandle BuildBar() {
        const MenuHandle bar = w.CreateMenuBar();
        const MenuHandle game = w.CreatePopup();
        EXPECT_TRUE(w.AppendItem(game, 8, "&Neues Spiel"));
        EXPECT_TRUE(w.AppendSeparator(game));
        EXPECT_TRUE(w.AppendItem(game, 99, "&Beenden"));
        EXPECT_TRUE(w.AppendPopup(bar, game, "&Dreizehner"));
        const MenuHandle level = w.CreatePopup();
        EXPECT_TRUE(w.AppendItem(level, 30, "&Leicht"));
        EXPECT_TRUE(w.AppendItem(level, 45, "Rätsel-Symmetrie"));
        const MenuHandle nested = w.CreatePopup();
        EXPECT_TRUE(w.AppendItem(nested, 60, "&Anleitung"));
        EXPECT_TRUE(w.AppendPopup(level, nested, "Mehr"));
        EXPECT_TRUE(w.AppendPopup(bar, level, "Sch&wierigkeit"));
        EXPECT_TRUE(w.AppendItem(bar, 1, "über &Dreizehner..."));
        return bar;
    }
    QAction* Item(int id) { return WindowParts(w).menus.FindItem(id); }

    MainWindow w;
};

TEST_F(MenuTest, DescribesTheInstalledBar) {
    EXPECT_EQ(w.InstallMenuBar(BuildBar()), 0);
    EXPECT_EQ(w.DescribeMenuBar(),
              "popup &Dreizehner\n"
              "  item 8 &Neues Spiel\n"
              "  separator\n"
              "  item 99 &Beenden\n"
              "popup Sch&wierigkeit\n"
              "  item 30 &Leicht\n"
              "  item 45 Rätsel-Symmetrie\n"
              "  popup Mehr\n"
              "    item 60 &Anleitung\n"
              "item 1 über &Dreizehner...\n");
}

TEST_F(MenuTest, CaptionsKeepTheirMnemonicsForTheToolkit) {
    w.InstallMenuBar(BuildBar());
    EXPECT_EQ(Item(8)->text().toStdString(), "&Neues Spiel");
    EXPECT_EQ(Item(8)->shortcut(), QKeySequence());  // a mnemonic, not a shortcut
    const QMenuBar* bar = WindowParts(w).menus.Bar(1);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->actions().size(), 3);
}

TEST_F(MenuTest, InstallReturnsThePreviousBar) {
    const MenuHandle first = BuildBar();
    EXPECT_EQ(w.InstallMenuBar(first), 0);
    const MenuHandle second = w.CreateMenuBar();
    w.AppendItem(second, 7, "&Sieben");
    EXPECT_EQ(w.InstallMenuBar(second), first);
    EXPECT_EQ(w.DescribeMenuBar(), "item 7 &Sieben\n");
    w.DestroyMenu(first);
    EXPECT_EQ(Item(8), nullptr) << "destroying a bar destroys its popups and items";
    EXPECT_NE(Item(7), nullptr);
}

TEST_F(MenuTest, FailuresReturnFalseOrZero) {
    EXPECT_FALSE(w.AppendItem(12345, 1, "x"));
    EXPECT_FALSE(w.AppendSeparator(12345));
    const MenuHandle bar = w.CreateMenuBar();
    EXPECT_FALSE(w.AppendPopup(bar, 12345, "x"));
    EXPECT_FALSE(w.AppendPopup(bar, bar, "x")) << "a bar is no popup";
    EXPECT_EQ(w.InstallMenuBar(w.CreatePopup()), 0) << "a popup is no bar";
    EXPECT_EQ(w.InstallMenuBar(12345), 0);
}

TEST_F(MenuTest, DestroyingTheInstalledBarLeavesNone) {
    const MenuHandle bar = BuildBar();
    w.InstallMenuBar(bar);
    w.DestroyMenu(bar);
    EXPECT_EQ(w.DescribeMenuBar(), "");
    EXPECT_EQ(w.InstallMenuBar(BuildBar()), 0);
}

TEST_F(MenuTest, ChecksAreSetAndClearedById) {
    w.InstallMenuBar(BuildBar());
    EXPECT_FALSE(w.IsItemChecked(30));
    w.CheckItem(30, true);
    w.CheckItem(45, true);
    EXPECT_TRUE(w.IsItemChecked(30));
    EXPECT_TRUE(Item(30)->isChecked());
    w.CheckItem(30, false);
    EXPECT_FALSE(w.IsItemChecked(30));
    EXPECT_FALSE(Item(30)->isChecked());
    EXPECT_FALSE(Item(30)->isCheckable()) << "an unmarked item looks like a plain command";
    EXPECT_TRUE(Item(45)->isChecked());
}

TEST_F(MenuTest, ChoosingAnItemNeverChangesItsMark) {
    w.InstallMenuBar(BuildBar());
    w.CheckItem(45, true);
    Item(45)->trigger();
    EXPECT_TRUE(Item(45)->isChecked());
    EXPECT_TRUE(w.IsItemChecked(45));
    Item(30)->trigger();
    EXPECT_FALSE(Item(30)->isChecked());
    EXPECT_FALSE(w.IsItemChecked(30));
    w.PostInput({0x7777, 0, 0, 0});
    w.Open(0, 0, kScreenWidth, 963);
    EXPECT_EQ(w.WaitEvent().param, 45);
    EXPECT_EQ(w.WaitEvent().param, 30);
}

TEST_F(MenuTest, TheBarIsSwitchedOffAsAWhole) {
    w.InstallMenuBar(BuildBar());
    EXPECT_TRUE(w.MenuEnabled());
    w.SetMenuEnabled(false);
    EXPECT_FALSE(w.MenuEnabled());
    EXPECT_FALSE(WindowParts(w).menus.Bar(1)->isEnabled());
    const MenuHandle other = w.CreateMenuBar();
    w.AppendItem(other, 5, "Fünf");
    w.InstallMenuBar(other);
    EXPECT_FALSE(WindowParts(w).menus.Bar(other)->isEnabled()) << "a new bar comes in switched off too";
    w.SetMenuEnabled(true);
    EXPECT_TRUE(WindowParts(w).menus.Bar(other)->isEnabled());
}

TEST_F(MenuTest, InstallingABarOnAnOpenWindowKeepsTheWholeScreenArea) {
    w.Open(10, 10, kScreenWidth, 963);
    w.InstallMenuBar(BuildBar());
    QCoreApplication::processEvents();
    EXPECT_GE(WindowParts(w).view->width(), kScreenWidth);
    EXPECT_GE(WindowParts(w).view->height(), kScreenHeight);
    const PictureGeometry shown = WindowParts(w).view->Geometry();
    EXPECT_EQ(shown.scale, 1);
    EXPECT_EQ(shown.origin, QPoint(0, 0));
}

}  // namespace
}  // namespace drz::platform
