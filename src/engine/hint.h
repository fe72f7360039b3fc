// hint.h — what the board as it stands tells the player next: a broken rule, a wrong entry, the solver's next
// forced step and why, or that one must guess. Finds and explains; never changes the board.
#pragma once

#include <array>

#include "board/board.h"
#include "board/geometry.h"

namespace drz {

enum class HintKind {
    Solved,        // every cell filled, no rule broken
    Clash,         // `cell` holds `digit` a second time in the unit
    WrongEntry,    // `cell` holds `digit`, breaks no rule, but the givens force another digit there
    DeadCell,      // the empty `cell` admits no digit: some entry is wrong
    NakedSingle,   // only `digit` fits `cell`
    RowSingle,     // in the unit, `digit` fits only `cell`
    ColumnSingle,  // likewise for a column
    BoxSingle,     // likewise for a box
    Guess,         // no forced step: here one must guess
};

enum class UnitKind { None, Row, Column, Box };

// A unit of grid `cell.k`: row or column 1..9, or box 0..8 in reading order (0 = top left).
struct HintUnit {
    UnitKind kind = UnitKind::None;
    int index = 0;
};

// A cell of a shared box is named through the grid of the unit that explains the hint.
struct Hint {
    HintKind kind = HintKind::Guess;
    CellRef cell{0, 0, 0};
    int digit = 0;
    HintUnit unit;
};

// In this order: a repeated digit (the entry of the pair that is not a given, and of two entries the one that
// differs from the solution when the givens force one), an entry that differs from that solution, an empty
// cell that admits nothing, the solved board, the first digit the forced-step solver would place, a guess.
Hint FindHint(const Board& board);

// The cells of a unit of grid k, in reading order.
std::array<CellRef, 9> UnitCells(int k, HintUnit unit);

}  // namespace drz
