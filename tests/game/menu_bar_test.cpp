// The menu bar: built from its description with the right order, ids, captions and check marks.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "game/menu_bar.h"
#include "platform/window.h"

namespace drz {
namespace {

constexpr const char* kExpectedBar =
    "popup &Dreizehner\n"
    "  item 8 &Neues Spiel\n"
    "  separator\n"
    "  item 10 &Spielstart\n"
    "  item 25 N&eustart\n"
    "  separator\n"
    "  item 12 Spieldruck\n"
    "  separator\n"
    "  item 99 &Beenden\n"
    "popup &Optionen\n"
    "  item 20 &lade Brett\n"
    "  item 21 &sichere Brett\n"
    "  separator\n"
    "  item 22 &Brett lösen\n"
    "  item 26 B&rett löschen\n"
    "  item 27 Brett &drucken\n"
    "  item 24 Brett &mischen\n"
    "  separator\n"
    "  item 11 &Eigenes Brett\n"
    "popup Sch&wierigkeit\n"
    "  item 30 &Leicht\n"
    "  item 31 &Mittel\n"
    "  item 32 &Schwer\n"
    "  item 33 &Extrem\n"
    "  separator\n"
    "  item 40 &Zahlen\n"
    "  item 41 &Buchstaben\n"
    "  separator\n"
    "  item 44 Zeige &Kandidaten\n"
    "  separator\n"
    "  item 45 Rätsel-Symmetrie\n"
    "  separator\n"
    "  item 50 &Ruhmeshalle\n"
    "popup &Hilfe\n"
    "  item 60 &Anleitung\n"
    "  separator\n"
    "  item 1 über &Dreizehner...\n";

TEST(MenuBar, BuiltFromTheProgramsDescriptionInOrder) {
    platform::MainWindow window;
    BuildMenuBar(window);
    EXPECT_EQ(window.DescribeMenuBar(), kExpectedBar);
}

TEST(MenuBar, NestedPopupAndCommandOnTheBar) {
    platform::MainWindow window;
    const std::vector<std::string> description = {
        "&Spiel", "3:&Eins", ">&Mehr", "4:&Vier", "-", "5:F&ünf", "", "6:&Sechs", "", "7:&Direkt", "",
    };
    BuildMenuBar(window, description);
    EXPECT_EQ(window.DescribeMenuBar(),
              "popup &Spiel\n"
              "  item 3 &Eins\n"
              "  popup &Mehr\n"
              "    item 4 &Vier\n"
              "    separator\n"
              "    item 5 F&ünf\n"
              "  item 6 &Sechs\n"
              "item 7 &Direkt\n");
}

TEST(MenuBar, RebuildingReplacesTheOldBar) {
    platform::MainWindow window;
    BuildMenuBar(window, {"&A", "1:&x", "", ""});
    BuildMenuBar(window, {"&B", "2:&y", "", ""});
    EXPECT_EQ(window.DescribeMenuBar(), "popup &B\n  item 2 &y\n");
}

TEST(MenuBar, EntryIdIsTheLeadingNumber) {
    EXPECT_EQ(MenuEntryId("8:&Neues Spiel"), 8);
    EXPECT_EQ(MenuEntryId("99:&Beenden"), 99);
    EXPECT_EQ(MenuEntryId(" 12:Spieldruck"), 12);
    EXPECT_EQ(MenuEntryId("x:kein Wert"), 0);
    EXPECT_EQ(MenuEntryId("45"), 45);
}

TEST(MenuBar, ChecksFollowTheOptions) {
    platform::MainWindow window;
    BuildMenuBar(window);
    Options options;
    UpdateMenuChecks(window, options);
    for (int id : {30, 40, 45}) EXPECT_TRUE(window.IsItemChecked(id)) << id;
    for (int id : {31, 32, 33, 41, 44, 8, 22, 50}) EXPECT_FALSE(window.IsItemChecked(id)) << id;

    options.CurrentLevel = 3;
    options.ShowNumerals = false;
    options.ShowCandidates = true;
    options.SymmetricPuzzle = false;
    UpdateMenuChecks(window, options);
    for (int id : {33, 41, 44}) EXPECT_TRUE(window.IsItemChecked(id)) << id;
    for (int id : {30, 31, 32, 40, 45}) EXPECT_FALSE(window.IsItemChecked(id)) << id;
}

// Menus that refuse the n-th item and remember which menus were made and destroyed.
class RefusingMenus : public platform::Menus {
public:
    explicit RefusingMenus(int refusedItem) : refusedItem_(refusedItem) {}
    platform::MenuHandle CreateMenuBar() override { return Made(); }
    platform::MenuHandle CreatePopup() override { return Made(); }
    bool AppendItem(platform::MenuHandle, int, std::string_view) override { return ++items_ != refusedItem_; }
    bool AppendSeparator(platform::MenuHandle) override { return true; }
    bool AppendPopup(platform::MenuHandle, platform::MenuHandle, std::string_view) override { return true; }
    platform::MenuHandle InstallMenuBar(platform::MenuHandle bar) override {
        installed = bar;
        return 0;
    }
    void DestroyMenu(platform::MenuHandle menu) override { live.erase(menu); }
    void CheckItem(int, bool) override {}
    bool IsItemChecked(int) const override { return false; }
    void SetMenuEnabled(bool) override {}
    bool MenuEnabled() const override { return true; }
    std::string DescribeMenuBar() const override { return {}; }

    std::set<platform::MenuHandle> live;
    platform::MenuHandle installed = 0;

private:
    platform::MenuHandle Made() {
        live.insert(++made_);
        return made_;
    }
    int refusedItem_, items_ = 0;
    platform::MenuHandle made_ = 0;
};

TEST(MenuBar, AMenuThatCannotBeMadeIsDestroyedAndStartUpStops) {
    RefusingMenus menus(3);  // the third item of the first popup
    EXPECT_THROW(BuildMenuBar(menus), std::runtime_error);
    EXPECT_EQ(menus.installed, 0) << "no half-built bar is installed";
    EXPECT_TRUE(menus.live.empty()) << "the popup and the bar are destroyed";
}

}  // namespace
}  // namespace drz
