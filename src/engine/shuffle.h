// shuffle.h — disguising a board: line, band and stack exchanges and digit relabelling that keep every grid valid.
#pragma once

#include <array>
#include <cstdint>

#include "board/board.h"
#include "engine/random.h"

namespace drz {

// The exchanges below change CellValue and GivenValue of grid k only; a line through a shared box is
// always exchanged in both grids by the caller, so the copies stay equal.

// For x = 1..9 the cells (k, x, a) and (k, x, b) exchange their contents.
void SwapRows(Board& board, int k, int a, int b);
// For y = 1..9 the cells (k, a, y) and (k, b, y) exchange their contents.
void SwapColumns(Board& board, int k, int a, int b);
// Stacks s and t (1..3, stack s = columns 3s-2..3s) of grid k exchange places.
void SwapStacks(Board& board, int k, int s, int t);
// Bands s and t (1..3, band s = rows 3s-2..3s) of grid k exchange places.
void SwapBands(Board& board, int k, int s, int t);

// New digit for each old digit; entry 0 is 0, so empty cells stay empty.
using DigitPermutation = std::array<std::uint8_t, 10>;

// Draws a permutation of 1..9: for i = 1..9, Random(9) + 1 is drawn again until it is still free.
DigitPermutation DrawDigitPermutation(RandomSource& random);
// Draws a permutation and applies it to CellValue and GivenValue of every cell of grids 1..13.
void RelabelDigits(Board& board, RandomSource& random);

// Clears every candidate mark, draws n = Random(150) + 101 and runs n iterations, each the symmetric one
// (every exchange together with its mirror under a half turn of the board) when `symmetric` is set, else
// the independent one, each ending with RelabelDigits. Draws nothing on the screen; callers redraw.
void ShuffleBoard(Board& board, RandomSource& random, bool symmetric);

}  // namespace drz
