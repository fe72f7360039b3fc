// board_ops.h — operations on the whole board: keeping both copies of a shared cell equal, clearing, counting.
#pragma once

#include "board/board.h"

namespace drz {

// The secondary copy of every shared cell gets the primary copy's digit and given.
void SyncSharedBoxes(Board& board);
// The secondary copy of every shared cell gets the primary copy's candidate marks 1..9.
void SyncSharedCandidates(Board& board);
// Digit and given of all 144 secondary copies become 0.
void ClearSecondaryCopies(Board& board);
// Back to the givens: every mark off, every cell that is not a given emptied. Draws nothing.
void ClearEntries(Board& board);
// Everything empty: digits, givens, marks.
void ClearBoard(Board& board);

// Counts every distinct cell once into DigitCount (the secondary copies are brought up to date).
void CountDigits(Board& board);
// Number of distinct given cells (the secondary copies are brought up to date).
int CountGivens(Board& board);

// True when every digit stands on exactly 101 distinct cells (after CountDigits).
bool AllDigitsComplete(const Board& board);

}  // namespace drz
