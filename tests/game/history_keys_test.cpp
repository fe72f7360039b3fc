// Undo, redo and checkpoints by key in both loops: both copies, marks, counts and status back, the clock
// left alone; keys without Ctrl keep their meaning.
#include "game/history_keys.h"
#include "display/board_view.h"
#include "display/clock.h"
#include "display/font_codes.h"
#include "game/game_loops.h"
#include "input/picker_pad.h"
#include "play_fixture.h"

namespace drz::test {
namespace {

constexpr int kF2 = 113, kF3 = 114;

class HistoryKeysTest : public PlayTest {
protected:
    void Key(int key, int modifiers) { app.window.PostInput({platform::kKeyUp, key, 0, 0, modifiers}); }
    void Undo() { Key('Z', platform::kControlHeld); }
};

TEST_F(HistoryKeysTest, DigitsAndMarksGoBackAndComeAgainInPlay) {
    app.board = puzzle;
    const Board dealt = app.board;
    const CellRef e = FindCell(7, false);
    ClickCell(7, e.x, e.y), Type('4');
    const CellRef m = FindCell(9, false);
    ClickCell(9, m.x, m.y, true), Type('3');                  // a right click on an empty cell: the pad marks
    Undo();                                                   // the mark
    Key('Z', platform::kControlHeld | platform::kShiftHeld);  // redo
    Undo(), Undo();                                           // the mark and the digit
    Key('Z', 0);                                              // Z alone: nothing
    KeyUp(27);
    app.clock.ClockRunning = true;
    app.clock.StartTime = platform::Timer();
    PlayLoop(app);
    EXPECT_EQ(app.board.CellValue, dealt.CellValue);
    EXPECT_EQ(app.board.CandidateMark, dealt.CandidateMark);
    EXPECT_EQ(app.history.done, 0u);
    EXPECT_EQ(app.history.steps.size(), 2u);
    ClickCell(7, e.x, e.y), Type('5');
    Key('Y', platform::kControlHeld);  // the new digit dropped the redo steps: nothing to redo
    KeyUp(27);
    PlayLoop(app);
    EXPECT_EQ(app.history.steps.size(), 1u);
    EXPECT_EQ(app.board.Cell(7, e.x, e.y), 5);
    EXPECT_EQ(app.board.CandidateMark, dealt.CandidateMark);
}

TEST_F(HistoryKeysTest, SolveAndCandidatesGoBackButTheClockStaysStopped) {
    app.board = puzzle;
    const Board dealt = app.board;
    KeyUp('M');                        // candidates shown: untimed from here on
    KeyUp('K'), KeyUp('O');            // solved by keys
    Undo(), Undo();                    // the solve, then M
    Key('Y', platform::kControlHeld);  // M again
    Undo();
    KeyUp(27);
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    app.clock.ClockRunning = true;
    PlayLoop(app);
    EXPECT_EQ(app.board.CellValue, dealt.CellValue);
    EXPECT_EQ(app.board.CandidateMark, dealt.CandidateMark);
    EXPECT_FALSE(app.options.ShowCandidates);
    EXPECT_FALSE(app.clock.ClockRunning);  // undo never restarts the clock
    EXPECT_EQ(app.panels.StatusText, "Keine Fehler! ");
}

TEST_F(HistoryKeysTest, GivensAndShuffleInOwnBoardEntryAndACheckpointTwice) {
    const CellRef c{1, 8, 9};  // shared with grid 4
    ClickCell(c.k, c.x, c.y), Type('6');
    Key(kF2, 0);
    KeyUp('X');
    Key(kF3, 0);                     // back from the shuffle
    ClickCell(c.k, c.x, c.y, true);  // the given removed
    Key(kF3, 0);                     // back again
    Undo();                          // the second return
    KeyUp(27);
    OwnBoardLoop(app);
    EXPECT_TRUE(app.panels.HelpText.starts_with(kCheckpointSetHelpText));
    UseFont(app.display, kFontText);  // the text covers the pad's longer one it replaced
    EXPECT_GE(app.display.screen.TextWidth(app.panels.HelpText), app.display.screen.TextWidth(kPadClosedHelpText));
    EXPECT_EQ(app.board.Given(1, 8, 9), 0);
    EXPECT_EQ(app.board.Given(4, 2, 3), 0);
    EXPECT_EQ(app.panels.GivenCount, 0);
    Key('Y', platform::kControlHeld);
    Key(kF3, platform::kShiftHeld);
    Key(kF3, 0);  // no checkpoint left: nothing
    KeyUp(27);
    OwnBoardLoop(app);
    EXPECT_EQ(app.board.Given(1, 8, 9), 6);
    EXPECT_EQ(app.board.Given(4, 2, 3), 6);
    EXPECT_EQ(app.panels.GivenCount, 1);
    EXPECT_TRUE(app.panels.HelpText.starts_with(kCheckpointDroppedHelpText));
    EXPECT_TRUE(app.history.checkpoints.empty());
}

TEST_F(HistoryKeysTest, UndoAndRedoOfShownCandidatesDrawThePictureExactly) {
    app.board = puzzle;
    KeyUp(27);
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    PlayLoop(app);
    const auto before = ScreenPixels();
    KeyUp('M');
    Undo();
    KeyUp(27);
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    PlayLoop(app);
    EXPECT_FALSE(app.options.ShowCandidates);
    EXPECT_TRUE(ScreenPixels() == before);
    KeyUp('M');
    Undo();
    Key('Y', platform::kControlHeld);
    KeyUp(27);
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    PlayLoop(app);
    const auto redone = ScreenPixels();
    KeyUp('M');
    KeyUp('M');
    KeyUp(27);
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    PlayLoop(app);
    EXPECT_TRUE(ScreenPixels() == redone);
}

}  // namespace
}  // namespace drz::test
