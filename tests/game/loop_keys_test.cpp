// The keys and buttons of both game loops, by key and by hit range.
#include "board/geometry.h"
#include "display/clock.h"
#include "display/palette.h"
#include "engine/rules.h"
#include "game/command_bar.h"
#include "game/game_loops.h"
#include "game/menu_bar.h"
#include "game/menu_commands.h"
#include "play_fixture.h"

namespace drz::test {
namespace {

TEST_F(PlayTest, KeysOfThePlayLoop) {
    app.board = puzzle;
    const CellRef e = FindCell(7, false);
    app.board.Cell(7, e.x, e.y) = 9;     // an entry for N to take away
    KeyUp('X');                          // nothing in play
    KeyUp('F');                          // every mark on
    KeyUp('O');                          // O alone: nothing, the prefix stays empty
    KeyUp('N');                          // entries cleared
    KeyUp('K'), KeyUp('C'), KeyUp('O');  // marks off, then the solve: the prefix survives C
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    app.clock.ClockRunning = true;
    app.options.ShowNumerals = false;
    KeyUp('A');  // letters shown: A is a digit, the game goes on
    KeyUp(27);
    PlayLoop(app);
    EXPECT_EQ(app.window.LastMessageBoxText(), "Das Brett wurde gelöst!");
    EXPECT_TRUE(BoardValid(app.board));
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(app.board.DigitCount[d], 101);
    EXPECT_FALSE(app.clock.ClockRunning);
    EXPECT_TRUE(Recorded().empty());  // solved by keys: never timed
    EXPECT_TRUE(app.options.KeyPrefix.empty());
    for (bool mark : app.board.CandidateMark) ASSERT_FALSE(mark);
}

TEST_F(PlayTest, MarksAndCandidatesByKey) {
    app.board = puzzle;
    KeyUp('F');
    KeyUp(27);
    PlayLoop(app);
    int on = 0;
    for (bool mark : app.board.CandidateMark) on += mark;
    EXPECT_GT(on, 9000);
    KeyUp('M');  // candidates shown: computed, the clock stopped
    KeyUp('A');  // numerals: ends the game
    app.clock.ClockRunning = true;
    PlayLoop(app);
    EXPECT_TRUE(app.options.ShowCandidates);
    EXPECT_FALSE(app.clock.ClockRunning);
    // The Abort button stays drawn pressed: its bevel differs from the released one.
    EXPECT_EQ(Pixel(843, 890), Palette[0]);
    const platform::Rgb pressed = Pixel(845, 888);
    DrawCommandButton(app.display, CommandButton::Abort, 0);
    EXPECT_NE(Pixel(845, 888), pressed);
}

TEST_F(PlayTest, TheCommandBarOnTheScreen) {
    DrawCommandBar(app.display);
    for (const ButtonPlace& place : kCommandBar) {
        const int right = place.left + 8 * (static_cast<int>(place.caption.size()) - 1) + 18;
        EXPECT_EQ(Pixel(place.left - 1, 898), Palette[0]) << place.left;
        EXPECT_EQ(Pixel(right, 898), Palette[0]) << place.left;
        EXPECT_EQ(Pixel(place.left + 20, 885), Palette[0]) << place.left;
        int red = 0;  // the hot letter
        for (int y = 886; y < 911; ++y)
            for (int x = place.left; x < right; ++x) red += Pixel(x, y) == Palette[1];
        EXPECT_GT(red, 5) << place.left;
    }
    EXPECT_EQ(Pixel(984, 898), Palette[12]);
}

TEST_F(PlayTest, ButtonsByTheirHitRanges) {
    EXPECT_EQ(ButtonAt(291, 900), CommandButton::Load);  // the gap after Load
    EXPECT_EQ(ButtonAt(292, 912), CommandButton::Save);  // below the drawn buttons
    EXPECT_EQ(ButtonAt(571, 886), CommandButton::Print);
    EXPECT_EQ(ButtonAt(572, 886), CommandButton::Restart);
    EXPECT_EQ(ButtonAt(843, 886), CommandButton::Help);
    EXPECT_EQ(ButtonAt(983, 886), CommandButton::Abort);
    EXPECT_FALSE(ButtonAt(159, 900));
    EXPECT_FALSE(ButtonAt(984, 900));
    EXPECT_FALSE(ButtonAt(500, 885));
    EXPECT_FALSE(ButtonAt(500, 913));

    app.board = puzzle;
    const CellRef e = FindCell(7, false);
    app.board.Cell(7, e.x, e.y) = 9;
    ClickAt(719, 912);  // Restart
    ClickAt(720, 900);  // Help: no manual in this folder, the player is told
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    app.clock.ClockRunning = true;
    app.clock.StartTime = platform::Timer();
    ClickAt(983, 900);  // Abort by the mouse: the clock label is not updated
    PlayLoop(app);
    EXPECT_EQ(app.board.Cell(7, e.x, e.y), 0);
    EXPECT_FALSE(app.clock.ClockRunning);
    EXPECT_EQ(app.window.LastMessageBoxText(), "Error while trying to display a topic of Dreizehner.chm");
}

TEST_F(PlayTest, OwnBoardEntry) {
    const int k = 5, x = 4, y = 2;
    ClickCell(k, x, y);
    Type('7');  // a given 7
    ClickCell(k, x + 1, y);
    PadSquare(k, x + 1, y, 3);  // a given 3 by the pad
    ClickCell(k, x + 2, y);
    Type('8');
    ClickCell(k, x + 2, y, true);  // right click removes that given
    ClickCell(k, x + 1, y);
    Type(27);    // Escape in the pad removes the given 3
    KeyUp(27);   // and its release does not end the entry
    KeyUp('F');  // F and C do nothing here
    KeyUp('X');  // shuffled
    KeyUp(27);   // still no Escape ends it until the next pad
    KeyUp('A');
    RunMenuCommand(app, kMenuOwnBoard);
    EXPECT_EQ(CountGivens(app.board), 1);
    EXPECT_EQ(app.panels.GivenCount, 1);
    for (bool mark : app.board.CandidateMark) ASSERT_FALSE(mark);

    // K then O solves once, without the retry; A ends the entry.
    app.board = puzzle;
    KeyUp('K'), KeyUp('O');
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    KeyUp('A');
    OwnBoardLoop(app);
    EXPECT_EQ(app.window.LastMessageBoxText(), "Das Brett wurde gelöst!");
}

}  // namespace
}  // namespace drz::test
