// literal_rules.h — the rule test and candidate operations done step by step, slowly, as the oracle for the fast ones.
#pragma once

#include "board/board.h"

namespace drz::oracle {

// Every unit is tallied digit by digit into a ten-entry scratch tally, and every candidate is found by
// putting the digit into the cell and testing the whole board. A stored value above 9 has no tally entry
// and is left out of the tally, like an empty cell; since it is not 0, it is never tried either.

// The columns, then the rows, then the boxes of grids 1..13; false at the first unit that repeats a digit.
bool LiteralBoardValid(const Board& board);
// The box of grid k with top-left cell (x0, y0), columns in the outer loop.
bool LiteralBoxValid(const Board& board, int k, int x0, int y0);
// Tries 1..9 in every empty cell copy (that copy only) until the whole board stays valid.
bool LiteralNoDeadCell(const Board& board);
// Clears every mark, then marks each digit whose trial keeps the whole board valid.
void LiteralComputeCandidates(Board& board);
// Column offset, row offset, digit, then the sixteen shared boxes: a mark missing in one copy goes in both.
void LiteralMergeSharedCandidates(Board& board);

}  // namespace drz::oracle
