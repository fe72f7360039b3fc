// symmetry.h — the half turn of the board: mirror cells, symmetric pairs of cells, point-symmetric givens.
#pragma once

#include <vector>

#include "board/board.h"

namespace drz {

// One representative distinct cell per pair of cells that a half turn swaps, and the centre cell of grid 7
// that it keeps: 455 entries. Fixed order (the numbering of the distinct cells).
const std::vector<int>& SymmetricPairs();

// True when grid k, column x, row y holds a given exactly when grid 14 - k, column 10 - x, row 10 - y does.
bool GivensPointSymmetric(const Board& board);

}  // namespace drz
