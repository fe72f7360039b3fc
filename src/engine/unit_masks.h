// unit_masks.h — which digits stand in every row, column and box of each grid, as 9-bit masks.
#pragma once

#include <array>
#include <cstdint>

#include "board/board.h"

namespace drz {

// Bit d-1 is set when digit d is present.
using DigitMask = std::uint16_t;
constexpr DigitMask kAllDigits = 0x1FF;

// The mask of a stored value: one bit for a digit 1..9, nothing for an empty cell or a stray value
// above 9 (only a damaged board file can bring one in; the rule test treats it like no digit at all).
constexpr DigitMask DigitBit(std::uint8_t value) {
    return value >= 1 && value <= 9 ? DigitMask(1u << (value - 1)) : DigitMask(0);
}

// Band 0..2 of boxes that column or row 1..9 lies in.
constexpr std::array<int, 10> kBandOf = {0, 0, 0, 0, 1, 1, 1, 2, 2, 2};

// Box 0..8 of cell (x, y) in its grid, counted row of boxes by row of boxes.
constexpr int BoxOf(int x, int y) { return kBandOf[y] * 3 + kBandOf[x]; }

// A snapshot of the digits in all 351 units, taken from CellValue of grids 1..13, columns and rows 1..9.
// Index 0 elements are never read. Each copy of a shared cell counts in its own grid only.
class UnitMasks {
public:
    explicit UnitMasks(const Board& board);

    // True when some row, column or box of some grid holds a digit twice.
    bool RepeatedDigit() const { return repeated_; }

    // The digits present in the row, column and box of cell (k, x, y) within grid k.
    DigitMask Seen(int k, int x, int y) const { return row_[k][y] | column_[k][x] | box_[k][BoxOf(x, y)]; }

private:
    using PerGrid = std::array<std::array<DigitMask, 10>, kGridCount + 1>;
    PerGrid row_{};     // [grid][row 1..9]
    PerGrid column_{};  // [grid][column 1..9]
    PerGrid box_{};     // [grid][box 0..8]
    bool repeated_ = false;
};

}  // namespace drz
