// cursor_moves.h — where the keyboard cursor goes on the 33 x 33 lattice: arrows over the holes, Tab to empty
// cells, Home and End along the row.
#pragma once

#include <optional>

#include "board/board.h"
#include "board/geometry.h"

namespace drz {

enum class CursorMove { Left, Right, Up, Down, RowStart, RowEnd, NextEmpty, PreviousEmpty };

// The cell at lattice column and row 0..32 through its lower-numbered grid (a shared cell's primary copy), or
// none in a hole between the grids.
std::optional<CellRef> LatticeCell(int column, int row);
// Where the move takes the cursor from `from`: an arrow goes to the next cell in its direction, over holes, and
// stays at the edge; Home and End to the row's first and last cell; Tab and Shift+Tab to the next and
// previous empty cell in reading order, round the board (staying when no other cell is empty).
CellRef MovedCursor(const Board& board, CellRef from, CursorMove move);

}  // namespace drz
