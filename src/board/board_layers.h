// board_layers.h — the layers the screen and the print both draw (cell lines, box lines, shared boxes, digits),
// as rectangles on the 33 x 33 lattice of cells; each target maps them into its own units.
#pragma once

#include <array>

#include "board/board.h"
#include "board/geometry.h"

namespace drz {

// A rectangle of whole lattice cells; column and row count from grid 1's top-left cell, 0..32.
struct LatticeBox {
    int column, row;
    int columns, rows;
};

// Lattice column and row of grid k's top-left cell.
constexpr int GridLatticeColumn(int k) { return (GridOriginX[k] - GridOriginX[1]) / kCellWidth; }
constexpr int GridLatticeRow(int k) { return (GridOriginY[k] - GridOriginY[1]) / kCellHeight; }

constexpr LatticeBox CellBox(int k, int x, int y) {
    return {GridLatticeColumn(k) + x - 1, GridLatticeRow(k) + y - 1, 1, 1};
}

// The cell lines of grid k: one outline per cell, row by row.
template <typename Visit>
constexpr void ForEachCellLine(int k, Visit visit) {
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) visit(CellBox(k, x, y));
}

// The box lines of grid k: one outline per 3 x 3 box, row of boxes by row of boxes.
template <typename Visit>
constexpr void ForEachBoxLine(int k, Visit visit) {
    for (int boxRow = 0; boxRow < 3; ++boxRow)
        for (int boxColumn = 0; boxColumn < 3; ++boxColumn) {
            const LatticeBox c = CellBox(k, 1 + 3 * boxColumn, 1 + 3 * boxRow);
            visit(LatticeBox{c.column, c.row, 3, 3});
        }
}

// The sixteen shared boxes lie where the grids' rows and columns of boxes meet, at these lattice columns and rows.
inline constexpr std::array<int, 4> kSharedBoxLattice = {6, 12, 18, 24};

// The shared boxes' outlines, row by row of the lattice.
template <typename Visit>
constexpr void ForEachSharedBoxLine(Visit visit) {
    for (int row : kSharedBoxLattice)
        for (int column : kSharedBoxLattice) visit(LatticeBox{column, row, 3, 3});
}

// The digits: every cell copy of every grid that holds one (a shared cell from both grids, at one place).
template <typename Visit>
void ForEachDigit(const Board& board, Visit visit) {
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (board.Cell(k, x, y) != 0) visit(k, x, y, board.Cell(k, x, y));
}

}  // namespace drz
