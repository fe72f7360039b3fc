// "&Brett lösen" and "Brett &mischen" from the idle screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "board/board_ops.h"
#include "board/geometry.h"
#include "display/board_view.h"
#include "display/palette.h"
#include "engine/rules.h"
#include "game/app.h"
#include "game/menu_bar.h"
#include "game/menu_commands.h"
#include "game/start_up.h"
#include "oracle/board_factory.h"
#include "oracle/puzzle_files.h"

namespace drz {
namespace {

class SolveAndShuffle : public ::testing::Test {
protected:
    void SetUp() override { StartUp(app); }
    platform::Rgb Pixel(int x, int y) { return app.display.screen.PixelAt(x, y); }
    // The top-left pixel inside the face of cell (x, y) of grid k.
    platform::Rgb Face(int k, int x, int y) {
        return Pixel(GridOriginX[k] + 33 * (x - 1) + 2, GridOriginY[k] + 25 * (y - 1) + 2);
    }
    App app;
};

TEST_F(SolveAndShuffle, SolvingAPuzzleFillsAndDrawsEveryCell) {
    app.board = oracle::LoadPuzzle("singles-1.txt");
    RedrawCells(app.display, VerdictOf(app.board));  // as after loading: givens on grey, the rest empty
    const int givens = CountGivens(app.board);
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    RunMenuCommand(app, kMenuSolveBoard);
    EXPECT_EQ(app.window.LastMessageBoxText(), "Das Brett wurde gelöst!");
    EXPECT_EQ(app.panels.StatusText, "Brett gelöst!!! ");
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(app.board.DigitCount[d], 101);
    EXPECT_EQ(CountGivens(app.board), givens);
    // Placed cells are entries: white faces with a digit, givens stay grey.
    int whiteFilled = 0;
    for (int k = 1; k <= 13; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                if (app.board.Given(k, x, y) != 0) {
                    EXPECT_EQ(Face(k, x, y), Palette[7]);
                } else {
                    whiteFilled += Face(k, x, y) == Palette[15] ? 1 : 0;
                }
            }
    EXPECT_GT(whiteFilled, 0);
    EXPECT_EQ(app.window.CurrentCursor(), platform::Cursor::Default);
    EXPECT_EQ(app.panels.HelpText, "Bitte Menupunkt auswählen!");
}

TEST_F(SolveAndShuffle, ContradictoryEntriesAreThrownAwayAndTheGivensSolvedAgain) {
    app.board = oracle::LoadPuzzle("singles-1.txt");
    // A repeated digit in an empty cell: every trial fails and some empty cell has no digit.
    bool planted = false;
    for (int x = 1; x <= 9 && !planted; ++x)
        for (int y = 1; y <= 9 && !planted; ++y)
            if (app.board.Cell(7, x, y) == 0) {
                int other = x == 1 ? 2 : 1;
                std::uint8_t digit = app.board.Cell(7, other, y);
                if (digit == 0) continue;
                oracle::SetCellAndPartner(app.board, 7, x, y, digit);
                planted = true;
            }
    ASSERT_TRUE(planted);
    ASSERT_FALSE(BoardValid(app.board));
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    RunMenuCommand(app, kMenuSolveBoard);
    EXPECT_EQ(app.window.LastMessageBoxText(), "Das Brett wurde gelöst!");
    EXPECT_TRUE(BoardValid(app.board));
    EXPECT_EQ(app.panels.StatusText, "Brett gelöst!!! ");
}

TEST_F(SolveAndShuffle, AnEmptyBoardCannotBeSolved) {
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    RunMenuCommand(app, kMenuSolveBoard);
    EXPECT_EQ(app.window.LastMessageBoxText(), "Das Brett läßt sich nicht eindeutig lösen?");
    EXPECT_EQ(app.panels.StatusText, "Keine Fehler! ");
}

TEST_F(SolveAndShuffle, ShufflingKeepsThePuzzleAndRedrawsIt) {
    app.board = oracle::LoadPuzzle("singles-2.txt");
    app.board.SetAllMarks(true);
    CountDigits(app.board);
    auto countsBefore = app.board.DigitCount;
    const int givens = CountGivens(app.board);
    Board before = app.board;

    RunMenuCommand(app, kMenuShuffleBoard);
    EXPECT_NE(app.board.CellValue, before.CellValue);
    EXPECT_TRUE(BoardValid(app.board));
    EXPECT_EQ(CountGivens(app.board), givens);
    auto countsAfter = app.board.DigitCount;
    std::sort(countsBefore.begin() + 1, countsBefore.end());
    std::sort(countsAfter.begin() + 1, countsAfter.end());
    EXPECT_EQ(countsBefore, countsAfter);
    for (bool mark : app.board.CandidateMark) ASSERT_FALSE(mark);
    // The screen follows the board: a grey face exactly where a given now stands.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            EXPECT_EQ(Face(5, x, y) == Palette[7], app.board.Given(5, x, y) != 0) << x << "," << y;
}

}  // namespace
}  // namespace drz
