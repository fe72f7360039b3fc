// Keeping the two copies of a shared cell equal: digits, givens and candidate marks.
#include <gtest/gtest.h>

#include <set>

#include "board/board_ops.h"
#include "board/geometry.h"
#include "patterned_board.h"

namespace drz {
namespace {

using test::PatternedBoard;

struct CopyPair {
    int primary;    // cell index of the copy in the lower-numbered grid
    int secondary;  // cell index of the other copy
};

std::vector<CopyPair> SharedPairs() {
    std::vector<CopyPair> pairs;
    for (const SharedBox& box : SharedBoxes)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                pairs.push_back({CellIndex(box.primaryGrid, box.primaryX0 + i, 7 + j),
                                 CellIndex(box.secondaryGrid, box.secondaryX0 + i, 1 + j)});
    return pairs;
}

std::set<int> SecondaryCells() {
    std::set<int> cells;
    for (const CopyPair& pair : SharedPairs()) cells.insert(pair.secondary);
    return cells;
}

TEST(SharedCopies, TableHas144DistinctPairsAndNoCellIsBothPrimaryAndSecondary) {
    std::set<int> primaries, secondaries;
    for (const CopyPair& pair : SharedPairs()) {
        primaries.insert(pair.primary);
        secondaries.insert(pair.secondary);
    }
    EXPECT_EQ(primaries.size(), 144u);
    EXPECT_EQ(secondaries.size(), 144u);
    for (int cell : primaries) EXPECT_EQ(secondaries.count(cell), 0u) << cell;
}

// The secondary copy takes digit and given of the primary; nothing else on the board moves, index 0
// elements and marks included.
TEST(SharedCopies, SyncCopiesDigitAndGivenFromPrimaryToSecondaryOnly) {
    const Board before = PatternedBoard();
    Board board = before;
    SyncSharedBoxes(board);

    const std::set<int> secondaries = SecondaryCells();
    for (const CopyPair& pair : SharedPairs()) {
        EXPECT_EQ(board.CellValue[pair.secondary], before.CellValue[pair.primary]);
        EXPECT_EQ(board.GivenValue[pair.secondary], before.GivenValue[pair.primary]);
    }
    for (int cell = 0; cell < kCellTableSize; ++cell) {
        if (secondaries.count(cell) != 0) continue;
        EXPECT_EQ(board.CellValue[cell], before.CellValue[cell]) << cell;
        EXPECT_EQ(board.GivenValue[cell], before.GivenValue[cell]) << cell;
    }
    EXPECT_EQ(board.CandidateMark, before.CandidateMark);
}

TEST(SharedCopies, DigitEnteredThroughPrimaryGridShowsInPartnerGrid) {
    Board board;
    board.Cell(4, 2, 8) = 6;   // grid 4, bottom-left box: primary of grid 6, top-right box
    board.Given(7, 9, 9) = 3;  // grid 7, bottom-right box: primary of grid 10, top-left box
    board.Cell(7, 9, 9) = 3;
    SyncSharedBoxes(board);
    EXPECT_EQ(board.Cell(6, 8, 2), 6);
    EXPECT_EQ(board.Cell(10, 3, 3), 3);
    EXPECT_EQ(board.Given(10, 3, 3), 3);
}

TEST(SharedCopies, PrimaryWinsOverADifferingSecondary) {
    Board board;
    board.Cell(1, 7, 7) = 2;
    board.Cell(4, 1, 1) = 5;
    board.Cell(5, 3, 3) = 8;  // a secondary whose primary (grid 2, cell 9,9) is empty
    SyncSharedBoxes(board);
    EXPECT_EQ(board.Cell(4, 1, 1), 2);
    EXPECT_EQ(board.Cell(1, 7, 7), 2);
    EXPECT_EQ(board.Cell(5, 3, 3), 0);
}

// Marks 1..9 follow the primary; mark 0 and digits stay as they were.
TEST(SharedCopies, SyncCandidatesCopiesMarksOneToNine) {
    const Board before = PatternedBoard();
    Board board = before;
    SyncSharedCandidates(board);

    const std::set<int> secondaries = SecondaryCells();
    for (const CopyPair& pair : SharedPairs()) {
        for (int d = 1; d <= 9; ++d)
            EXPECT_EQ(board.CandidateMark[pair.secondary + 1400 * d], before.CandidateMark[pair.primary + 1400 * d]);
        EXPECT_EQ(board.CandidateMark[pair.secondary], before.CandidateMark[pair.secondary]) << "mark 0";
    }
    for (int element = 0; element < kMarkTableSize; ++element) {
        const bool secondaryMark = secondaries.count(element % 1400) != 0 && element >= 1400;
        if (!secondaryMark) {
            EXPECT_EQ(board.CandidateMark[element], before.CandidateMark[element]) << element;
        }
    }
    EXPECT_EQ(board.CellValue, before.CellValue);
    EXPECT_EQ(board.GivenValue, before.GivenValue);
}

TEST(SharedCopies, ClearSecondaryCopiesEmptiesExactlyThe144Secondaries) {
    const Board before = PatternedBoard();
    Board board = before;
    ClearSecondaryCopies(board);

    const std::set<int> secondaries = SecondaryCells();
    for (int cell = 0; cell < kCellTableSize; ++cell) {
        const bool secondary = secondaries.count(cell) != 0;
        EXPECT_EQ(board.CellValue[cell], secondary ? 0 : before.CellValue[cell]) << cell;
        EXPECT_EQ(board.GivenValue[cell], secondary ? 0 : before.GivenValue[cell]) << cell;
    }
    EXPECT_EQ(board.CandidateMark, before.CandidateMark);
}

}  // namespace
}  // namespace drz
