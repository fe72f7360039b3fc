// board_factory.h — seeded boards for tests and benchmarks: full solutions, partial, contradictory, noisy.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "board/board.h"
#include "oracle/lattice.h"

// Every random board comes from an explicit std::mt19937_64 and from Below(), never from a standard
// distribution, so a seed gives the same board with every standard library. Unless a function says
// otherwise, a board it makes holds no givens and no candidate marks, and both copies of every shared
// cell are equal.
namespace drz::oracle {

using Rng = std::mt19937_64;

// A whole number 0..n-1 (n >= 1).
int Below(Rng& rng, int n);
// True with probability `chance` (0..1).
bool Chance(Rng& rng, double chance);

// The 909 lattice cells that belong to at least one grid, row by row.
const std::vector<std::pair<int, int>>& BoardLatticeCells();

// Writes `value` into every stored copy of lattice cell (X, Y).
void SetLatticeCell(Board& board, int X, int Y, std::uint8_t value);
// Writes `value` into cell (k, x, y) and, in a shared box, into its partner copy too.
void SetCellAndPartner(Board& board, int k, int x, int y, std::uint8_t value);

// ----- Boards that keep every rule -----

Board EmptyBoard();
// The lattice solution as it stands: every cell filled, every grid solved.
Board FullBoard();
// A full solution varied by permuting the rows inside each band of three lattice rows and the columns
// inside each band of three lattice columns, by mirroring and transposing the lattice, and by relabelling
// the digits. Every grid stays solved.
Board RandomFullBoard(Rng& rng);
// Applies a random permutation of 1..9 to CellValue and GivenValue.
void RelabelDigits(Board& board, Rng& rng);
// A random full solution with each distinct cell kept with probability `fill`, emptied otherwise (both
// copies together). Valid, and every empty cell still admits its solution digit.
Board RandomPartialBoard(Rng& rng, double fill);
// RandomPartialBoard with half the cells kept.
Board HalfFilledBoard(Rng& rng);
// Starts empty and makes `attempts` tries to put a random digit into a random empty distinct cell,
// keeping it only where no row, column or box of any grid holding the cell has it already. Valid, but
// unlike a partial solution it often leaves empty cells that admit no digit.
Board RandomConsistentBoard(Rng& rng, int attempts);
// True when digit d stands nowhere in the row, column and box of cell (x, y) in grid k (the cell itself
// not counted). A plain scan, independent of the engine.
bool DigitFits(const Board& board, int k, int x, int y, int d);

// ----- Damage and decoration -----

// Every filled cell becomes a given with its digit.
void MakeGivens(Board& board);
// Picks a random grid, a random row, column or box of it and two of its cells, and puts one random digit
// into both (both copies of a shared cell). The board then repeats that digit.
void PutRepeatedDigit(Board& board, Rng& rng);
// Changes one copy (primary or secondary at random) of `count` random shared cells to another random
// value 0..9, so the two copies disagree.
void MakeCopiesUnequal(Board& board, Rng& rng, int count);
// Every cell copy of every grid independently: a random digit 1..9 with probability `fill`, else empty.
// The copies of a shared cell are not kept equal.
Board NoiseBoard(Rng& rng, double fill);
// Random values in every element the game never reads: index 0 of grid, column or row in CellValue and
// GivenValue, and every CandidateMark element with such an index.
void ScribbleIndexZero(Board& board, Rng& rng);
// Writes random values 10..255, as a damaged board file could hold, into `count` random cell copies.
void PutStrayValues(Board& board, Rng& rng, int count);
// Sets every element of CandidateMark at random, on with probability `chance`.
void RandomMarks(Board& board, Rng& rng, double chance);

}  // namespace drz::oracle
