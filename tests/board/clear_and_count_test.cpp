// Clearing the board back to its givens or to nothing, and counting every distinct cell once.
#include <gtest/gtest.h>

#include <numeric>

#include "board/board_ops.h"
#include "board/geometry.h"
#include "patterned_board.h"

namespace drz {
namespace {

using test::IsIndexZero;
using test::PatternedBoard;
using test::SolvedBoard;

int CountedCells(const Board& board) {
    return std::accumulate(board.DigitCount.begin() + 1, board.DigitCount.end(), 0);
}

// A solved board whose givens are the whole of three shared boxes (both copies) and one unshared cell.
Board SolvedBoardWithGivens() {
    Board board = SolvedBoard();
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            for (int box : {0, 6, 15}) {
                const SharedBox& shared = SharedBoxes[box];
                const int px = shared.primaryX0 + i, py = 7 + j;
                const int sx = shared.secondaryX0 + i, sy = 1 + j;
                board.Given(shared.primaryGrid, px, py) = board.Cell(shared.primaryGrid, px, py);
                board.Given(shared.secondaryGrid, sx, sy) = board.Cell(shared.secondaryGrid, sx, sy);
            }
        }
    }
    board.Given(8, 5, 5) = board.Cell(8, 5, 5);
    return board;
}

TEST(ClearEntries, KeepsGivensInBothCopiesAndEmptiesEveryOtherCell) {
    const Board before = SolvedBoardWithGivens();
    Board board = before;
    board.SetAllMarks(true);
    ClearEntries(board);

    for (int k = 1; k <= kGridCount; ++k) {
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                const bool given = before.Given(k, x, y) != 0;
                EXPECT_EQ(board.Cell(k, x, y), given ? before.Cell(k, x, y) : 0) << k << ":" << x << "," << y;
            }
        }
    }
    EXPECT_EQ(board.GivenValue, before.GivenValue);
    EXPECT_EQ(board.Cell(4, 1, 1), before.Cell(1, 7, 7)) << "secondary copy of a given box kept";
    EXPECT_EQ(board.Cell(13, 3, 3), before.Cell(10, 9, 9));
    for (bool mark : board.CandidateMark) ASSERT_FALSE(mark);
    EXPECT_EQ(CountGivens(board), 3 * 9 + 1);
}

TEST(ClearEntries, LeavesDigitsOfIndexZeroElementsAlone) {
    const Board before = PatternedBoard();
    Board board = before;
    ClearEntries(board);
    for (int cell = 0; cell < kCellTableSize; ++cell) {
        const bool kept = IsIndexZero(cell) || before.GivenValue[cell] != 0;
        EXPECT_EQ(board.CellValue[cell], kept ? before.CellValue[cell] : 0) << cell;
    }
    EXPECT_EQ(board.GivenValue, before.GivenValue);
}

TEST(ClearBoard, EmptiesEverythingAndCountsZero) {
    Board board = PatternedBoard();
    ClearBoard(board);
    for (std::uint8_t v : board.CellValue) ASSERT_EQ(v, 0);
    for (std::uint8_t v : board.GivenValue) ASSERT_EQ(v, 0);
    for (bool mark : board.CandidateMark) ASSERT_FALSE(mark);
    CountDigits(board);
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(board.DigitCount[d], 0) << d;
    EXPECT_EQ(CountGivens(board), 0);
    EXPECT_FALSE(AllDigitsComplete(board));
}

TEST(Counting, SolvedBoardHoldsEveryDigit101TimesOn909Cells) {
    Board board = SolvedBoard();
    const Board before = board;
    CountDigits(board);
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(board.DigitCount[d], kCellsPerDigit) << d;
    EXPECT_EQ(CountedCells(board), kDistinctCells);
    EXPECT_TRUE(AllDigitsComplete(board));
    EXPECT_EQ(board.CellValue, before.CellValue) << "secondary copies restored after counting";

    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) board.Given(k, x, y) = board.Cell(k, x, y);
    EXPECT_EQ(CountGivens(board), kDistinctCells);
}

// A secondary copy is never counted: counting follows the primary and leaves both copies equal.
TEST(Counting, SecondaryCopiesAreNeverCountedTwice) {
    Board board = SolvedBoard();
    const std::uint8_t primary = board.Cell(2, 8, 8);  // partner: grid 5, cell (2, 2)
    board.Cell(5, 2, 2) = primary % 9 + 1;
    CountDigits(board);
    EXPECT_TRUE(AllDigitsComplete(board));
    EXPECT_EQ(board.Cell(5, 2, 2), primary);

    Board emptied = SolvedBoard();
    ClearSecondaryCopies(emptied);  // only the secondaries gone: still every distinct cell present
    CountDigits(emptied);
    EXPECT_EQ(CountedCells(emptied), kDistinctCells);
}

TEST(Counting, OneDigitMissingIsNotComplete) {
    Board board = SolvedBoard();
    board.Cell(9, 5, 5) = 0;
    CountDigits(board);
    EXPECT_EQ(CountedCells(board), kDistinctCells - 1);
    EXPECT_FALSE(AllDigitsComplete(board));
}

// A value above 9 from a damaged file is no digit: it must not pass for the digit it ends in.
TEST(Counting, StrayValueAboveNineCountsAsNoDigit) {
    Board board = SolvedBoard();
    const std::uint8_t digit = board.Cell(9, 5, 5);
    board.Cell(9, 5, 5) = static_cast<std::uint8_t>(digit + 10);
    CountDigits(board);
    EXPECT_EQ(board.DigitCount[digit], kCellsPerDigit - 1);
    EXPECT_EQ(CountedCells(board), kDistinctCells - 1);
    EXPECT_FALSE(AllDigitsComplete(board));

    board.Cell(9, 5, 5) = 255;
    CountDigits(board);
    EXPECT_EQ(CountedCells(board), kDistinctCells - 1);
}

// The player may enter one digit everywhere; its count must not wrap around.
TEST(Counting, DigitOnEveryCellCounts909) {
    Board board;
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) board.Cell(k, x, y) = 5;
    CountDigits(board);
    EXPECT_EQ(board.DigitCount[5], kDistinctCells);
    EXPECT_FALSE(AllDigitsComplete(board));
}

TEST(Counting, LeavesIndexZeroElementsAlone) {
    const Board before = PatternedBoard();
    Board board = before;
    CountDigits(board);
    CountGivens(board);
    for (int cell = 0; cell < kCellTableSize; ++cell) {
        if (!IsIndexZero(cell)) continue;
        EXPECT_EQ(board.CellValue[cell], before.CellValue[cell]) << cell;
        EXPECT_EQ(board.GivenValue[cell], before.GivenValue[cell]) << cell;
    }
    EXPECT_EQ(board.CandidateMark, before.CandidateMark);
}

}  // namespace
}  // namespace drz
