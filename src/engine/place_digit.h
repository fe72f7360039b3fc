// place_digit.h — writing a digit into a cell together with its partner copy in a shared box.
#pragma once

#include "board/board.h"

namespace drz {

// Writes d (0 removes) into CellValue(k, x, y) and, when (x, y) lies in a shared box of grid k, into the
// partner copy as well, so the two copies never differ. Givens and marks are not touched.
void PlaceDigit(Board& board, int k, int x, int y, int d);

}  // namespace drz
