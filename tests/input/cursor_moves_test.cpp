// The cursor's moves on the lattice: over holes, into shared boxes, along rows, to empty cells.
#include <gtest/gtest.h>

#include "input/cursor_moves.h"

namespace drz {
namespace {

TEST(CursorMoves, ArrowsJumpTheHolesAndStopAtTheEdge) {
    const Board empty;
    EXPECT_FALSE(LatticeCell(9, 0).has_value());       // between grids 1 and 2
    EXPECT_EQ(LatticeCell(6, 6), (CellRef{1, 7, 7}));  // a shared box: its lower grid
    EXPECT_EQ(LatticeCell(32, 32), (CellRef{13, 9, 9}));
    const auto moved = [&](CellRef from, CursorMove move) { return MovedCursor(empty, from, move); };
    EXPECT_EQ(moved({1, 9, 1}, CursorMove::Right), (CellRef{2, 1, 1}));
    EXPECT_EQ(moved({2, 1, 1}, CursorMove::Left), (CellRef{1, 9, 1}));
    EXPECT_EQ(moved({1, 1, 9}, CursorMove::Down), (CellRef{6, 1, 1}));  // over three rows of holes
    EXPECT_EQ(moved({1, 7, 9}, CursorMove::Down), (CellRef{4, 1, 4}));  // out of a shared box into grid 4
    EXPECT_EQ(moved({4, 1, 4}, CursorMove::Up), (CellRef{1, 7, 9}));    // back into it, by grid 1
    EXPECT_EQ(moved({1, 7, 6}, CursorMove::Down), (CellRef{1, 7, 7}));
    EXPECT_EQ(moved({1, 1, 1}, CursorMove::Left), (CellRef{1, 1, 1}));
    EXPECT_EQ(moved({1, 1, 1}, CursorMove::Up), (CellRef{1, 1, 1}));
    EXPECT_EQ(moved({13, 9, 9}, CursorMove::Right), (CellRef{13, 9, 9}));
    EXPECT_EQ(moved({13, 9, 9}, CursorMove::Down), (CellRef{13, 9, 9}));
    EXPECT_EQ(moved({3, 9, 3}, CursorMove::Down), (CellRef{3, 9, 4}));
    EXPECT_EQ(moved({2, 5, 1}, CursorMove::RowStart), (CellRef{1, 1, 1}));
    EXPECT_EQ(moved({2, 5, 1}, CursorMove::RowEnd), (CellRef{3, 9, 1}));
    EXPECT_EQ(moved({4, 5, 4}, CursorMove::RowStart), (CellRef{4, 1, 4}));  // lattice row 9: grids 4 and 5
    EXPECT_EQ(moved({4, 5, 4}, CursorMove::RowEnd), (CellRef{5, 9, 4}));
}

TEST(CursorMoves, TabGoesToTheNextEmptyCellInReadingOrder) {
    Board board;
    for (int x = 2; x <= 9; ++x) board.Cell(1, x, 1) = 5;
    board.Cell(2, 1, 1) = 5;
    EXPECT_EQ(MovedCursor(board, {1, 1, 1}, CursorMove::NextEmpty), (CellRef{2, 2, 1}));
    EXPECT_EQ(MovedCursor(board, {2, 2, 1}, CursorMove::PreviousEmpty), (CellRef{1, 1, 1}));
    EXPECT_EQ(MovedCursor(board, {1, 1, 1}, CursorMove::PreviousEmpty), (CellRef{13, 9, 9}));  // round the board
    EXPECT_EQ(MovedCursor(board, {13, 9, 9}, CursorMove::NextEmpty), (CellRef{1, 1, 1}));
    board.CellValue.fill(1);
    EXPECT_EQ(MovedCursor(board, {4, 2, 2}, CursorMove::NextEmpty), (CellRef{4, 2, 2}));  // nowhere to go
}

}  // namespace
}  // namespace drz
