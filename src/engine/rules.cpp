#include "engine/rules.h"

#include <algorithm>

#include "board/geometry.h"
#include "engine/unit_masks.h"

// The rule test and the candidates rest on one equivalence. Putting digit d into one copy of an empty
// cell and testing the whole board gives true exactly when the board was free of repetitions before and
// d stands nowhere in that copy's row, column and box within its own grid: the trial touches only those
// three units, and the partner copy of a shared cell is left as it is. So one pass that collects the
// digits of all 351 units answers every trial of a call.

namespace drz {

bool BoardValid(const Board& board) { return !UnitMasks(board).RepeatedDigit(); }

bool BoxValid(const Board& board, int k, int x0, int y0) {
    DigitMask present = 0;
    for (int x = x0; x < x0 + 3; ++x) {
        for (int y = y0; y < y0 + 3; ++y) {
            const DigitMask bit = DigitBit(board.Cell(k, x, y));
            if ((present & bit) != 0) return false;
            present |= bit;
        }
    }
    return true;
}

bool NoDeadCell(const Board& board) {
    const UnitMasks masks(board);
    for (int k = 1; k <= kGridCount; ++k) {
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                if (board.Cell(k, x, y) != 0) continue;
                // On a board that already repeats a digit no trial can succeed.
                if (masks.RepeatedDigit() || masks.Seen(k, x, y) == kAllDigits) return false;
            }
        }
    }
    return true;
}

namespace {

// The digits each stored cell copy admits, by cell index; 0 for filled cells and for index 0 elements.
std::array<DigitMask, kCellTableSize> OpenDigits(const Board& board) {
    std::array<DigitMask, kCellTableSize> open{};
    const UnitMasks masks(board);
    if (masks.RepeatedDigit()) return open;
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (board.Cell(k, x, y) == 0) open[CellIndex(k, x, y)] = ~masks.Seen(k, x, y) & kAllDigits;
    return open;
}

}  // namespace

void ComputeCandidates(Board& board) {
    const std::array<DigitMask, kCellTableSize> open = OpenDigits(board);
    // Every element is written: mark 0 and all marks of filled cells and index 0 elements end false,
    // just as if the whole table had been cleared first.
    bool* marks = board.CandidateMark.data();
    std::fill(marks, marks + kCellTableSize, false);
    for (int d = 1; d <= 9; ++d) {
        bool* digitMarks = marks + kCellTableSize * d;
        const DigitMask bit = DigitBit(static_cast<std::uint8_t>(d));
        for (int cell = 0; cell < kCellTableSize; ++cell) digitMarks[cell] = (open[cell] & bit) != 0;
    }
}

void MergeSharedCandidates(Board& board) {
    for (const SharedBox& box : SharedBoxes) {
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                for (int d = 1; d <= 9; ++d) {
                    bool& primary = board.Mark(box.primaryGrid, box.primaryX0 + i, 7 + j, d);
                    bool& secondary = board.Mark(box.secondaryGrid, box.secondaryX0 + i, 1 + j, d);
                    const bool both = primary && secondary;
                    primary = both;
                    secondary = both;
                }
            }
        }
    }
}

}  // namespace drz
