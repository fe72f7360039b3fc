// The slot dialog frm1 through the menu, the buttons and the keys: clicks, typed digits, Enter, other
// characters, cancel, the close box and Escape; the captions tell what each slot holds; damaged slots, files and
// level boards are named and used for nothing.
#include <fstream>

#include "game/game_loops.h"
#include "game/menu_bar.h"
#include "game/menu_commands.h"
#include "game/slot_dialogs.h"
#include "play_fixture.h"

namespace drz::test {
namespace {

using Step = platform::DialogStep;
using Kind = platform::DialogStep::Kind;

class SlotDialogTest : public PlayTest {
protected:
    // A board told apart by the digit in cell (1, 1, 1).
    static Board Marked(int digit) {
        Board b;
        b.Cell(1, 1, 1) = static_cast<std::uint8_t>(digit);
        return b;
    }
    void Save(int digit, int slot) { ASSERT_TRUE(SaveBoardSlot(Marked(digit), "brett.drz", slot, app.random).saved); }
    // Loads through the dialog with these steps; the digit in cell (1, 1, 1) afterwards (0 for the board before).
    int LoadWith(std::vector<Step> steps) {
        app.board = Board{};
        app.window.QueueDialogSteps(std::move(steps));
        app.options.BoardFile = "brett.drz";
        LoadBoardDialog(app);
        EXPECT_EQ(app.window.LastDialogTitle(), "Welches Brett laden?");
        return app.board.Cell(1, 1, 1);
    }
};

TEST_F(SlotDialogTest, SavingFromTheMenuAndLoadingByTheButton) {
    app.board = puzzle;
    app.window.QueueDialogSteps({{Kind::Click, "opt3"}});
    KeyUp(27);
    RunMenuCommand(app, kMenuSaveBoard);
    EXPECT_EQ(app.window.LastDialogTitle(), "Sichern unter ...");
    EXPECT_EQ(app.SlotIndex, 2);
    EXPECT_EQ(fs::file_size("brett.drz"), 67929u);
    EXPECT_EQ(SlotCaption("brett.drz", 0), "Brett 1 – leer");
    const int givens = CountGivens(puzzle);
    EXPECT_EQ(SlotCaption("brett.drz", 2), "Brett 3 – " + std::to_string(givens) + " Vorgaben, 0 eigene Zahlen");

    app.board = Board{};
    app.clock.ClockRunning = true;
    app.window.QueueDialogSteps({{Kind::Click, "cmd1"}});  // the dialog reopens on slot 3: confirm it
    ClickAt(291, 912);                                     // the Load button's hit range
    app.window.QueueDialogSteps({{Kind::Type, "1"}});      // S: saved into slot 1 by a typed digit
    KeyUp('S');
    KeyUp(27);
    PlayLoop(app);
    EXPECT_EQ(app.board.GivenValue, puzzle.GivenValue);
    EXPECT_FALSE(app.clock.ClockRunning);  // a loaded board is never timed
    EXPECT_EQ(app.SlotIndex, 0);
    EXPECT_EQ(SlotCaption("brett.drz", 0), SlotCaption("brett.drz", 2).replace(6, 1, "1"));
}

TEST_F(SlotDialogTest, KeysChooseAndCancelLoadsNothing) {
    Save(1, 0), Save(2, 1), Save(3, 2), Save(4, 3);
    app.SlotIndex = 2;
    EXPECT_EQ(LoadWith({{Kind::Type, "x"}}), 3);  // any other character: the checked option
    EXPECT_EQ(LoadWith({{Kind::Type, "4"}}), 4);  // "4": slot 3 at once
    EXPECT_EQ(app.SlotIndex, 3);
    EXPECT_EQ(LoadWith({{Kind::Key, "Return"}}), 4);  // Enter: the focused option, the one used last
    EXPECT_EQ(LoadWith({{Kind::Key, "Space"}}), 4);
    EXPECT_EQ(LoadWith({{Kind::Click, "opt1"}}), 1);
    EXPECT_EQ(LoadWith({{Kind::Click, "cmd2"}}), 0);
    EXPECT_EQ(LoadWith({{Kind::Close, ""}}), 0);
    EXPECT_EQ(LoadWith({{Kind::Key, "Escape"}}), 0);
    EXPECT_EQ(app.SlotIndex, 0);
    EXPECT_TRUE(app.window.MenuEnabled());
}

TEST_F(SlotDialogTest, AFailedSaveIsReported) {
    fs::create_directory("brett.drz");  // a folder where the file should be
    app.window.QueueDialogSteps({{Kind::Click, "opt2"}});
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    SaveBoardDialog(app);
    EXPECT_NE(app.window.LastMessageBoxText().find("nicht"), std::string::npos) << app.window.LastMessageBoxText();
    EXPECT_EQ(SlotCaption("brett.drz", 1), "Brett 2 – nicht lesbar");
}

TEST_F(SlotDialogTest, DamagedSlotsAreListedAndRefusedAndAWrongLengthFileIsRepaired) {
    Save(5, 0);
    std::vector<char> bytes(11200, 0);
    std::ifstream("brett.drz", std::ios::binary).read(bytes.data(), 2800);
    bytes[2 * 2800 + 1 + 14 + 140] = 12;  // slot 2: a digit above 9
    std::ofstream("brett.drz", std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_EQ(SlotCaption("brett.drz", 2), "Brett 3 – beschädigt");
    app.SlotIndex = 2;
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    app.board = puzzle;
    app.window.QueueDialogSteps({{Kind::Click, "cmd1"}});
    app.options.BoardFile = "brett.drz";
    LoadBoardDialog(app);
    EXPECT_EQ(app.board.GivenValue, puzzle.GivenValue);  // the board on the screen stays
    EXPECT_NE(app.window.LastMessageBoxText().find("Brett 3"), std::string::npos) << app.window.LastMessageBoxText();

    app.window.QueueDialogSteps({{Kind::Click, "opt2"}});
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    SaveBoardDialog(app);  // the damaged file is told once, what was kept and where the copy is
    const std::string told = app.window.LastMessageBoxText();
    EXPECT_NE(told.find("Brett 1"), std::string::npos) << told;
    EXPECT_NE(told.find("brett.drz.beschädigt"), std::string::npos) << told;
    EXPECT_EQ(fs::file_size("brett.drz.beschädigt"), 11200u);
    EXPECT_EQ(LoadWith({{Kind::Type, "1"}}), 5);
    EXPECT_EQ(SlotCaption("brett.drz", 2), "Brett 3 – leer");
}

TEST_F(SlotDialogTest, ANewGameFromADamagedLevelBoardDealsNothing) {
    PlantLevelFile(0);
    std::fstream level(LevelFileName(0), std::ios::in | std::ios::out | std::ios::binary);
    level.seekp(3 * 2800 + 1400 + 5 + 14 * 5 + 140 * 5);
    level.put(static_cast<char>(0x3A));
    level.close();
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    RunMenuCommand(app, kMenuNewGame);  // no events queued: a loop would wait for ever
    const std::string text = app.window.LastMessageBoxText();
    EXPECT_NE(text.find("\"leicht.drz\" im Ordner des Spiels ist beschädigt"), std::string::npos) << text;
    EXPECT_NE(text.find("Brett 4"), std::string::npos) << text;
    EXPECT_FALSE(app.clock.ClockRunning);
}

}  // namespace
}  // namespace drz::test
