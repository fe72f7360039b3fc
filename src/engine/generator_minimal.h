// generator_minimal.h — hard test puzzles: one solution, no removable symmetric pair of givens, beyond singles.
#pragma once

#include <cstdint>

#include "engine/exact_cells.h"
#include "engine/random.h"

namespace drz {

struct MinimalPuzzle {
    CellDigits givens{};
    CellDigits solution{};
    int givenCount = 0;
    std::int64_t nodes = 0;  // trials of the exact search that proves it unique
};

// Symmetric pairs of givens taken out of a random full solution, in random order, while the exact search
// still proves exactly one solution; a pair whose removal the search cannot decide within its node limit
// stays. Orders whose result singles propagation alone finishes are thrown away. The givens keep the point
// symmetry of the game's boards.
MinimalPuzzle MakeMinimalPuzzle(RandomSource& random);

// True when singles propagation alone, without any trial, completes the givens.
bool SinglesFinish(const CellDigits& givens);

}  // namespace drz
