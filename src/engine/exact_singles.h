// exact_singles.h — one node's knowledge of the board for the exact search, and singles propagation on it.
#pragma once

#include <array>
#include <cstdint>

#include "engine/exact_cells.h"

namespace drz {

inline constexpr std::uint16_t kAllDigits = 0x3FE;  // bits 1..9

// Number of digits in a candidate set shifted down by one bit (no popcount instruction is assumed).
inline constexpr auto kDigitCount = [] {
    std::array<std::uint8_t, 512> count{};
    for (int m = 1; m < 512; ++m) count[m] = static_cast<std::uint8_t>(count[m >> 1] + (m & 1));
    return count;
}();

inline int CandidateCount(std::uint16_t cand) { return kDigitCount[cand >> 1]; }

// Everything one node of the search knows about the board.
struct SinglesState {
    CellDigits value;
    std::array<std::uint16_t, 909> cand;                          // digits still possible; 0 once filled
    std::array<std::array<std::uint8_t, 10>, kUnitCount> places;  // empty cells of a unit that admit d
    std::array<std::uint16_t, kUnitCount> placed;                 // digits already standing in a unit
    int filled;
};

// Naked singles (a cell with one digit left) and hidden singles (a digit with one place left in one of
// the 351 units; a shared cell belongs to the units of both its grids), followed to the end.
class SinglesPropagation {
public:
    SinglesPropagation() : cells_(TheDistinctCells()) {}

    // The givens placed and propagated. False when the board has no solution.
    bool Start(SinglesState& s, const CellDigits& digits);
    // Digit d placed into cell `id` and propagated. False on a contradiction (s is then half-updated).
    bool Place(SinglesState& s, int id, int d);

private:
    struct HiddenSingle {
        std::int16_t unit;
        std::int8_t digit;
    };

    bool SeedHiddenSingles(const SinglesState& s);
    bool LosePlace(SinglesState& s, int id, int d);
    bool Assign(SinglesState& s, int id, int d);
    bool AssignHidden(SinglesState& s, HiddenSingle h);
    bool Propagate(SinglesState& s);
    void ClearQueues() { nakedLength_ = hiddenLength_ = 0; }

    const DistinctCells& cells_;
    // A cell becomes single, and a unit's digit drops to one place, at most once per state.
    std::array<std::int16_t, 909> naked_{};
    std::array<HiddenSingle, kUnitCount * 10> hidden_{};
    int nakedLength_ = 0;
    int hiddenLength_ = 0;
};

}  // namespace drz
