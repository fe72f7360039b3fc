// The seeded board factory keeps its promises: solutions solve every grid, damage does what it says.
#include <gtest/gtest.h>

#include "board/board_ops.h"
#include "board/geometry.h"
#include "oracle/board_factory.h"
#include "oracle/literal_rules.h"

namespace drz {
namespace {

using oracle::Rng;

bool CopiesEqual(const Board& board) {
    for (const SharedBox& box : SharedBoxes)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                if (board.Cell(box.primaryGrid, box.primaryX0 + i, 7 + j) !=
                    board.Cell(box.secondaryGrid, box.secondaryX0 + i, 1 + j))
                    return false;
    return true;
}

int FilledCopies(const Board& board) {
    int filled = 0;
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) filled += board.Cell(k, x, y) != 0 ? 1 : 0;
    return filled;
}

TEST(BoardFactory, LatticeHas909BoardCells) { EXPECT_EQ(oracle::BoardLatticeCells().size(), 909u); }

TEST(BoardFactory, FullBoardsSolveEveryGrid) {
    Board canonical = oracle::FullBoard();
    EXPECT_TRUE(oracle::LiteralBoardValid(canonical));
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        Rng rng(seed);
        Board board = oracle::RandomFullBoard(rng);
        ASSERT_TRUE(oracle::LiteralBoardValid(board)) << "seed " << seed;
        ASSERT_TRUE(CopiesEqual(board));
        ASSERT_EQ(FilledCopies(board), 13 * 81);
        CountDigits(board);
        ASSERT_TRUE(AllDigitsComplete(board)) << "seed " << seed;
    }
}

TEST(BoardFactory, SameSeedSameBoardOtherSeedOtherBoard) {
    Rng first(5), again(5), other(6);
    const Board a = oracle::RandomFullBoard(first);
    EXPECT_EQ(a.CellValue, oracle::RandomFullBoard(again).CellValue);
    EXPECT_NE(a.CellValue, oracle::RandomFullBoard(other).CellValue);
}

TEST(BoardFactory, PartialAndConsistentBoardsAreValidWithEqualCopies) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        Rng rng(seed);
        const Board partial = oracle::RandomPartialBoard(rng, 0.5);
        EXPECT_TRUE(oracle::LiteralBoardValid(partial));
        EXPECT_TRUE(CopiesEqual(partial));
        EXPECT_GT(FilledCopies(partial), 13 * 81 * 4 / 10);
        EXPECT_LT(FilledCopies(partial), 13 * 81 * 6 / 10);

        const Board consistent = oracle::RandomConsistentBoard(rng, 600);
        EXPECT_TRUE(oracle::LiteralBoardValid(consistent));
        EXPECT_TRUE(CopiesEqual(consistent));
        EXPECT_GT(FilledCopies(consistent), 100);
    }
}

TEST(BoardFactory, RepeatedDigitBreaksTheBoardAndKeepsCopiesEqual) {
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        Rng rng(seed);
        Board board = seed % 2 == 0 ? oracle::EmptyBoard() : oracle::RandomPartialBoard(rng, 0.5);
        oracle::PutRepeatedDigit(board, rng);
        EXPECT_FALSE(oracle::LiteralBoardValid(board)) << "seed " << seed;
        EXPECT_TRUE(CopiesEqual(board));
    }
}

TEST(BoardFactory, UnequalCopiesDisagree) {
    Rng rng(9);
    Board board = oracle::RandomFullBoard(rng);
    oracle::MakeCopiesUnequal(board, rng, 1);
    EXPECT_FALSE(CopiesEqual(board));
}

TEST(BoardFactory, ScribbleTouchesOnlyIndexZeroElements) {
    Rng rng(3);
    const Board before = oracle::RandomPartialBoard(rng, 0.5);
    Board board = before;
    oracle::ScribbleIndexZero(board, rng);
    int changed = 0;
    for (int cell = 0; cell < kCellTableSize; ++cell) {
        const bool indexZero = cell % 14 == 0 || cell / 14 % 10 == 0 || cell / 140 == 0;
        if (board.CellValue[cell] != before.CellValue[cell]) {
            EXPECT_TRUE(indexZero) << cell;
            ++changed;
        }
    }
    EXPECT_GT(changed, 100);
}

}  // namespace
}  // namespace drz
