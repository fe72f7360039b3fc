// rules.h — the rule test of the whole board, dead cells, and the candidates every empty cell admits.
#pragma once

#include "board/board.h"

namespace drz {

// True when none of the 351 rows, columns and boxes of the thirteen grids holds a digit 1..9 twice.
bool BoardValid(const Board& board);
// True when the box of grid k with top-left cell (x0, y0), x0 and y0 each 1, 4 or 7, holds no digit twice.
bool BoxValid(const Board& board, int k, int x0, int y0);
// True when every empty cell of every grid admits at least one digit without breaking the rule test
// (each copy of a shared cell is judged on its own grid's units, the partner copy left as it is).
bool NoDeadCell(const Board& board);
// Marks in every empty cell copy the digits that would keep the whole board valid; filled cells get none.
void ComputeCandidates(Board& board);
// Keeps in both copies of every shared cell only the marks present in both.
void MergeSharedCandidates(Board& board);

}  // namespace drz
