// solver_state.h — the solver's running knowledge of a board: digit counts per unit and, per grid and digit, the cells
// that accept it.
#pragma once

#include <array>
#include <cstdint>

#include "board/board.h"
#include "engine/grid_mask.h"

namespace drz {

// A trial in the solver puts d into a cell through PlaceDigit (both copies of a shared cell), tests the
// whole board and takes d out again. Such a trial succeeds exactly when the board is free of repetitions
// and d stands in no row, column or box of the grids of the copies written. This class keeps what that
// needs up to date as digits are placed, so a trial — or all trials of one digit over a set of cells —
// costs a few word operations instead of a sweep over 351 units.
//
// Stored values above 9 (a damaged file) count as filled cells holding no digit, as in the rule test.
class SolverState {
public:
    explicit SolverState(Board& board);

    // True when no unit of any grid repeats a digit (BoardValid).
    bool Valid() const { return repeats_ == 0; }

    // True when some cell of `cells` in grid k is empty while its partner copy holds a value: the first
    // trial there empties the partner, so such a set is tried trial by trial. Fit is exact for all others.
    bool NeedsTrials(int k, GridMask cells) {
        Refresh();
        return anyUnequal_ && !(unequal_[k] & cells).Empty();
    }
    // Per digit 1..9, the empty cells of grid k (with an empty partner copy) where a trial of the digit
    // succeeds on a valid board. Valid until the next Place or Trial.
    const std::array<GridMask, 10>& Fit(int k) {
        Refresh();
        return fit_[k];
    }
    // Goes up whenever Fit(k) may have changed.
    unsigned Version(int k) {
        Refresh();
        return version_[k];
    }

    // One trial as the solver makes it, side effect included: a partner copy that held a value while this
    // copy was empty is empty afterwards. For cells whose CellValue is 0.
    bool Trial(int k, int x, int y, int d);
    // PlaceDigit(k, x, y, d) with d 1..9, keeping the counts and masks current.
    void Place(int k, int x, int y, int d);

private:
    void Rebuild();
    void Refresh() {
        if (stale_) Rebuild();
    }
    void Count(int k, int x, int y, int value, int delta);
    std::uint16_t Seen(int k, int x, int y) const;
    void FillMasks();
    void PlaceIncrementally(int k, int x, int y, int d);

    Board& board_;
    int repeats_ = 0;  // (grid, unit, digit) triples that hold the digit more than once
    bool stale_ = false;
    bool anyUnequal_ = false;
    std::array<unsigned, 14> version_{};
    std::array<std::array<std::array<std::uint8_t, 10>, 27>, 14> count_{};  // [grid][unit][digit]
    std::array<std::array<std::uint16_t, 27>, 14> present_{};               // bit d-1: d is in the unit
    std::array<GridMask, 14> unequal_{};
    std::array<std::array<GridMask, 10>, 14> fit_{};
};

}  // namespace drz
