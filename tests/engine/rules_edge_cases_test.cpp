// The named situations of the rule test and the candidates, each run against the fast and the literal rules.
#include <gtest/gtest.h>

#include "board/board_ops.h"
#include "board/geometry.h"
#include "oracle/board_factory.h"
#include "rule_sets.h"

namespace drz {
namespace {

using test::RuleSet;

class RuleEdgeCases : public testing::TestWithParam<RuleSet> {
protected:
    const RuleSet& rules() const { return GetParam(); }

    // The boxes of all grids that fail, as "grid:x0,y0".
    std::vector<std::string> FailingBoxes(const Board& board) const {
        std::vector<std::string> failing;
        for (int k = 1; k <= kGridCount; ++k)
            for (int x0 = 1; x0 <= 7; x0 += 3)
                for (int y0 = 1; y0 <= 7; y0 += 3)
                    if (!rules().boxValid(board, k, x0, y0))
                        failing.push_back(std::to_string(k) + ":" + std::to_string(x0) + "," + std::to_string(y0));
        return failing;
    }

    static int MarkedCount(const Board& board) {
        int marked = 0;
        for (bool mark : board.CandidateMark) marked += mark ? 1 : 0;
        return marked;
    }

    static int MarksOf(const Board& board, int k, int x, int y) {
        int marked = 0;
        for (int d = 1; d <= 9; ++d) marked += board.Mark(k, x, y, d) ? 1 : 0;
        return marked;
    }
};

TEST_P(RuleEdgeCases, EmptyBoardIsValidWithoutDeadCellsAndEveryDigitACandidate) {
    Board board = oracle::EmptyBoard();
    EXPECT_TRUE(rules().boardValid(board));
    EXPECT_TRUE(rules().noDeadCell(board));
    EXPECT_TRUE(FailingBoxes(board).empty());

    oracle::Rng rng(11);
    oracle::RandomMarks(board, rng, 0.5);
    rules().computeCandidates(board);
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) ASSERT_EQ(MarksOf(board, k, x, y), 9) << k << ":" << x << "," << y;
    EXPECT_EQ(MarkedCount(board), 13 * 81 * 9) << "mark 0 and index 0 elements stay false";
    rules().mergeSharedCandidates(board);
    EXPECT_EQ(MarkedCount(board), 13 * 81 * 9);
}

TEST_P(RuleEdgeCases, DigitTwiceInARowOfGridFiveFailsTheWholeBoard) {
    Board board = oracle::EmptyBoard();
    board.Cell(5, 2, 5) = 4;
    board.Cell(5, 8, 5) = 4;
    EXPECT_FALSE(rules().boardValid(board));
    EXPECT_TRUE(FailingBoxes(board).empty()) << "the two cells lie in different boxes";

    rules().computeCandidates(board);
    EXPECT_EQ(MarkedCount(board), 0) << "no trial can succeed on a board that repeats a digit";
    EXPECT_FALSE(rules().noDeadCell(board));
}

TEST_P(RuleEdgeCases, RepeatInASharedBoxIsFoundInBothGrids) {
    Board board = oracle::EmptyBoard();
    board.Cell(2, 7, 7) = 6;  // grid 2, bottom-right box, which grid 5 holds as its top-left box
    board.Cell(2, 8, 9) = 6;
    SyncSharedBoxes(board);
    EXPECT_EQ(FailingBoxes(board), (std::vector<std::string>{"2:7,7", "5:1,1"}));
    EXPECT_FALSE(rules().boardValid(board));
}

TEST_P(RuleEdgeCases, EmptyCellsNeverFailAUnit) {
    Board board = oracle::EmptyBoard();
    for (int x = 1; x <= 8; ++x) board.Cell(7, x, 4) = static_cast<std::uint8_t>(x);  // one hole in the row
    EXPECT_TRUE(rules().boardValid(board));
    EXPECT_TRUE(rules().noDeadCell(board));
    rules().computeCandidates(board);
    EXPECT_EQ(MarksOf(board, 7, 9, 4), 1);
    EXPECT_TRUE(board.Mark(7, 9, 4, 9));
}

TEST_P(RuleEdgeCases, ExclusionSeenOnlyInTheSecondaryGridIsMergedIntoBothCopies) {
    Board board = oracle::EmptyBoard();
    board.Cell(4, 5, 1) = 3;  // row 1 of grid 4, outside its shared boxes
    rules().computeCandidates(board);
    // Shared cell: grid 1 (7, 7) is the primary copy, grid 4 (1, 1) the secondary.
    EXPECT_TRUE(board.Mark(1, 7, 7, 3));
    EXPECT_FALSE(board.Mark(4, 1, 1, 3));

    rules().mergeSharedCandidates(board);
    EXPECT_FALSE(board.Mark(1, 7, 7, 3));
    EXPECT_FALSE(board.Mark(4, 1, 1, 3));
    EXPECT_EQ(MarksOf(board, 1, 7, 7), 8);
    EXPECT_EQ(MarksOf(board, 4, 1, 1), 8);
    EXPECT_TRUE(board.Mark(1, 1, 7, 3)) << "grid 1's own cells never saw grid 4's row";
}

TEST_P(RuleEdgeCases, CellOfGridNineSeeingAllNineDigitsIsDeadOnAValidBoard) {
    Board board = oracle::EmptyBoard();
    board.Cell(9, 1, 5) = 1;  // row 5
    board.Cell(9, 2, 5) = 2;
    board.Cell(9, 3, 5) = 3;
    board.Cell(9, 5, 1) = 4;  // column 5
    board.Cell(9, 5, 2) = 5;
    board.Cell(9, 5, 3) = 6;
    board.Cell(9, 4, 4) = 7;  // centre box
    board.Cell(9, 6, 4) = 8;
    board.Cell(9, 4, 6) = 9;
    EXPECT_TRUE(rules().boardValid(board));
    EXPECT_FALSE(rules().noDeadCell(board));
    rules().computeCandidates(board);
    EXPECT_EQ(MarksOf(board, 9, 5, 5), 0);
    EXPECT_GT(MarksOf(board, 9, 5, 9), 0);

    board.Cell(9, 5, 5) = 0;
    board.Cell(9, 4, 6) = 0;  // now 9 fits
    EXPECT_TRUE(rules().noDeadCell(board));
}

TEST_P(RuleEdgeCases, FilledAndGivenCellsNeverReceiveAMark) {
    oracle::Rng rng(2024);
    Board board = oracle::RandomPartialBoard(rng, 0.4);
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 5; ++x)
            for (int y = 1; y <= 9; ++y) board.Given(k, x, y) = board.Cell(k, x, y);
    SyncSharedBoxes(board);
    const Board before = board;
    oracle::RandomMarks(board, rng, 1.0);
    rules().computeCandidates(board);
    rules().mergeSharedCandidates(board);
    for (int k = 1; k <= kGridCount; ++k) {
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                if (board.Cell(k, x, y) != 0) {
                    EXPECT_EQ(MarksOf(board, k, x, y), 0) << k << ":" << x << "," << y;
                } else {
                    EXPECT_GT(MarksOf(board, k, x, y), 0) << "its solution digit still fits";
                }
            }
        }
    }
    EXPECT_EQ(board.CellValue, before.CellValue) << "every trial is undone";
    EXPECT_EQ(board.GivenValue, before.GivenValue);
}

// Each copy of a shared cell is judged in its own grid; a trial never writes the partner copy.
TEST_P(RuleEdgeCases, UnequalCopiesAreJudgedEachInItsOwnGrid) {
    Board board = oracle::EmptyBoard();
    board.Cell(4, 1, 1) = 5;  // secondary copy filled, primary copy grid 1 (7, 7) empty
    board.Cell(1, 1, 7) = 5;  // a 5 in grid 1's row 7: repeated only if grid 1's copy held 5 too
    EXPECT_TRUE(rules().boardValid(board));
    EXPECT_TRUE(rules().noDeadCell(board));

    rules().computeCandidates(board);
    EXPECT_EQ(MarksOf(board, 4, 1, 1), 0);
    EXPECT_FALSE(board.Mark(1, 7, 7, 5));
    EXPECT_EQ(MarksOf(board, 1, 7, 7), 8);
    EXPECT_EQ(board.Cell(1, 7, 7), 0);
    EXPECT_EQ(board.Cell(4, 1, 1), 5);

    board.Cell(1, 1, 7) = 0;
    rules().computeCandidates(board);
    EXPECT_TRUE(board.Mark(1, 7, 7, 5)) << "grid 1 does not see the 5 of grid 4's copy";
    rules().mergeSharedCandidates(board);
    EXPECT_FALSE(board.Mark(1, 7, 7, 5)) << "the filled secondary copy has no marks to agree with";
    EXPECT_EQ(MarksOf(board, 1, 7, 7), 0);
}

TEST_P(RuleEdgeCases, RepeatedDigitOnAFullBoardLeavesNoDeadCellTrue) {
    Board board = oracle::FullBoard();
    board.Cell(6, 5, 5) = board.Cell(6, 6, 5);
    EXPECT_FALSE(rules().boardValid(board));
    EXPECT_TRUE(rules().noDeadCell(board)) << "no empty cell to examine";
    board.Cell(12, 5, 5) = 0;
    EXPECT_FALSE(rules().noDeadCell(board));
}

// A value above 9 (damaged file) is no digit: it repeats nothing, excludes nothing and is never tried.
TEST_P(RuleEdgeCases, StrayValuesAboveNineAreNoDigits) {
    Board board = oracle::EmptyBoard();
    board.Cell(3, 2, 5) = 200;
    board.Cell(3, 6, 5) = 200;
    board.Cell(3, 5, 2) = 14;
    board.Cell(3, 5, 9) = 255;
    EXPECT_TRUE(rules().boardValid(board));
    EXPECT_TRUE(FailingBoxes(board).empty());
    EXPECT_TRUE(rules().noDeadCell(board));
    rules().computeCandidates(board);
    EXPECT_EQ(MarksOf(board, 3, 2, 5), 0);
    EXPECT_EQ(MarksOf(board, 3, 5, 5), 9);
    EXPECT_EQ(board.Cell(3, 2, 5), 200);
}

TEST_P(RuleEdgeCases, IndexZeroElementsAreNeverRead) {
    oracle::Rng rng(77);
    const Board clean = oracle::RandomConsistentBoard(rng, 400);
    Board scribbled = clean;
    oracle::ScribbleIndexZero(scribbled, rng);
    EXPECT_EQ(rules().boardValid(scribbled), rules().boardValid(clean));
    EXPECT_EQ(rules().noDeadCell(scribbled), rules().noDeadCell(clean));
    EXPECT_EQ(FailingBoxes(scribbled), FailingBoxes(clean));

    Board cleanMarks = clean;
    rules().computeCandidates(cleanMarks);
    rules().computeCandidates(scribbled);
    EXPECT_EQ(scribbled.CandidateMark, cleanMarks.CandidateMark) << "index 0 marks cleared with the rest";
}

INSTANTIATE_TEST_SUITE_P(BothRuleSets, RuleEdgeCases, testing::Values(test::kFastRules, test::kLiteralRules),
                         test::RuleSetName);

}  // namespace
}  // namespace drz
