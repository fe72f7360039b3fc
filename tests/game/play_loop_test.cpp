// Whole games through the scripted event queue: a dealt game solved by the pad and typed digits, the pad's
// modes, the keys and buttons of the play loop, Escape after the pad and after the exit question.
#include "board/geometry.h"
#include "display/clock.h"
#include "display/palette.h"
#include "display/panels.h"

#include <fstream>
#include "engine/rules.h"
#include "engine/shuffle.h"
#include "game/game_loops.h"
#include "game/menu_bar.h"
#include "game/menu_commands.h"
#include "play_fixture.h"

namespace drz::test {
namespace {

using platform::kKeyUp;

TEST_F(PlayTest, ANewGameIsDealtSolvedThroughThePadAndRecordedOnce) {
    PlantLevelFile(0);
    app.random = RandomSource(77);
    RandomSource twin(77);
    twin.Random(4);  // the slot; every slot holds the puzzle
    Board dealt = puzzle;
    ShuffleBoard(dealt, twin, true);
    const Board solution = Solved(dealt);
    ASSERT_TRUE(BoardValid(solution));
    EnterMissingDigits(dealt, solution);
    ClickCell(1, 1, 1);  // one more click on the solved board: nothing more is recorded
    Type('0' + solution.Cell(1, 1, 1));
    KeyUp(27);  // no Escape ends the game after the hall of fame closed, until the next pad
    KeyUp('A');
    AnswerRecord("Anna");
    RunMenuCommand(app, kMenuNewGame);

    EXPECT_EQ(app.board.GivenValue, dealt.GivenValue);
    EXPECT_EQ(app.board.CellValue, solution.CellValue);
    EXPECT_EQ(app.panels.StatusText, "Brett gelöst!!! ");  // what the status panel shows
    const std::vector<std::string> recorded = Recorded();
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].size(), 10u);  // "00:00:01.3"
    EXPECT_EQ(recorded[0].substr(0, 6), "00:00:");
    EXPECT_EQ(app.hallOfFame.ChampName[0][1], "Anna");
    EXPECT_FALSE(app.clock.ClockRunning);
    EXPECT_EQ(app.window.ClockText(), kClockIdleText);
    EXPECT_EQ(app.panels.HelpText, "Bitte Menupunkt auswählen!");
    EXPECT_EQ(Pixel(170, 890), Palette[12]);  // the command bar is gone
    EXPECT_TRUE(app.window.MenuEnabled());
}

TEST_F(PlayTest, AMissingLevelFileIsNamedAndNoGameStarts) {
    app.options.CurrentLevel = 2;
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    RunMenuCommand(app, kMenuNewGame);  // no events queued: a loop would wait for ever
    const std::string text = app.window.LastMessageBoxText();
    EXPECT_NE(text.find("\"schwer.drz\" fehlt"), std::string::npos) << text;
    EXPECT_NE(text.find(folder.filename().string()), std::string::npos) << text;
    EXPECT_FALSE(app.clock.ClockRunning);
    EXPECT_FALSE(app.clockThread.Running());
    std::ofstream(LevelFileName(2), std::ios::binary) << "kurz";
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    RunMenuCommand(app, kMenuPrintGame);
    EXPECT_NE(app.window.LastMessageBoxText().find("zu kurz"), std::string::npos);
    EXPECT_EQ(app.panels.HelpText, "Bitte Menupunkt auswählen!");
}

TEST_F(PlayTest, WrongDigitsNotesRightClicksAndSharedCells) {
    app.board = puzzle;
    const CellRef c = FindCell(1, false, 7, 7);  // in the box grid 1 shares with grid 4
    const CellRef g = FindCell(2, true);
    const std::optional<CellRef> partner = PartnerCell(1, c.x, c.y);
    ASSERT_TRUE(c.k != 0 && g.k != 0 && partner);
    const int wrong = Solved(puzzle).Cell(1, c.x, c.y) % 9 + 1;
    const int beeps = platform::BeepCount();
    ClickCell(1, c.x, c.y);
    Type('0' + wrong);
    KeyUp(27);
    PlayLoop(app);
    EXPECT_GT(platform::BeepCount(), beeps);  // "Falsche Zahl! " and the beep
    EXPECT_EQ(app.board.Cell(partner->k, partner->x, partner->y), wrong);
    EXPECT_EQ(app.panels.StatusText, "Falsche Zahl! ");

    ClickCell(2, g.x, g.y);        // a given: nothing happens
    ClickCell(1, c.x, c.y, true);  // right click on a filled cell: cleared, no pad
    ClickCell(1, c.x, c.y, true);  // right click on the empty cell: notes
    Type('3');
    ClickCell(1, c.x, c.y, true);
    PadSquare(1, c.x, c.y, 5);
    KeyUp(27);
    PlayLoop(app);
    EXPECT_EQ(app.board.Cell(1, c.x, c.y), 0);
    EXPECT_EQ(app.board.Cell(partner->k, partner->x, partner->y), 0);
    EXPECT_EQ(app.board.Given(2, g.x, g.y), puzzle.Given(2, g.x, g.y));
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(app.board.Mark(1, c.x, c.y, d), d == 3 || d == 5) << d;
        EXPECT_EQ(app.board.Mark(partner->k, partner->x, partner->y, d), d == 3 || d == 5) << d;
    }
}

TEST_F(PlayTest, AfterThePadOrTheExitQuestionNoEscapeEndsTheGameUntilTheNextPad) {
    app.board = puzzle;
    const CellRef e = FindCell(3, false);
    const int ex = e.x, ey = e.y;
    app.board.Cell(3, ex, ey) = 4;
    ClickCell(3, ex, ey);
    Type(27);   // clears the cell and closes the pad
    KeyUp(27);  // its release: ignored
    KeyUp(27);  // and a second Escape too
    ClickCell(3, ex, ey);
    app.window.RequestClose();  // the close box while the pad is open: "&NEIN"
    app.window.QueueMessageBoxAnswer(platform::MessageButton::Second);
    Type('6');  // the pad is still open and takes the digit
    KeyUp(27);  // after the exit question: ignored
    KeyUp(27);  // ignored as well
    ClickCell(3, ex, ey);
    Type('7');  // the next pad clears the guard
    KeyUp(27);  // this one ends the game
    app.clock.ClockRunning = true;
    app.clock.StartTime = platform::Timer();
    PlayLoop(app);
    EXPECT_EQ(app.board.Cell(3, ex, ey), 7);
    EXPECT_EQ(app.window.LastMessageBoxText(), "Spiel beenden?");
    EXPECT_FALSE(app.clock.ClockRunning);
    EXPECT_EQ(app.window.ClockText(), kClockIdleText);  // Escape updates the clock

    // After "&NEIN" with no pad between, A still ends the game.
    app.window.RequestClose();
    app.window.QueueMessageBoxAnswer(platform::MessageButton::Second);
    KeyUp(27), KeyUp(27), KeyUp('A');
    PlayLoop(app);
    EXPECT_TRUE(app.options.IgnoreEscape);
}

TEST_F(PlayTest, YesToTheExitQuestionInThePadEndsTheProgramAtOnce) {
    app.board = puzzle;
    const CellRef c = FindCell(13, false);
    ClickCell(13, c.x, c.y);  // the pad opens and waits
    app.window.RequestClose();
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    app.clock.ClockRunning = true;
    EXPECT_THROW(PlayLoop(app), platform::ProgramExit);
    EXPECT_FALSE(app.window.IsOpen());
    EXPECT_FALSE(app.clockThread.Running());
    EXPECT_TRUE(app.input.PickerActive);  // ended from inside the pad
}

}  // namespace
}  // namespace drz::test
