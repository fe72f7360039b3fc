// generator_minimal.h — hard test puzzles: one solution, no removable symmetric pair of givens, beyond singles.
#pragma once

#include <cstdint>

#include "engine/exact_cells.h"
#include "engine/exact_search.h"
#include "engine/random.h"

namespace drz {

struct MinimalPuzzle {
    CellDigits givens{};
    CellDigits solution{};
    int givenCount = 0;
    std::int64_t nodes = 0;  // trials of the exact search that proves it unique
};

// Every decision about these puzzles is taken by the exact search within this many trials.
inline constexpr std::int64_t kMinimalNodeLimit = 100'000;

// CountSolutions with that limit.
ExactResult CountMinimalSolutions(const CellDigits& givens);

// True when taking out any symmetric pair of the givens lets the search prove a second solution (within
// the limit above). A pair kept while thinning always lets one in, but on the final, thinner puzzle the
// proof can get harder; this settles it on the puzzle as it stands.
bool EveryPairNeeded(const CellDigits& givens);

// Symmetric pairs of givens taken out of a random full solution, in random order, while the exact search
// still proves exactly one solution; each pair that stays was proved to let a second solution in. An
// order with a removal the search cannot decide within its limit, whose result singles propagation alone
// finishes, or that EveryPairNeeded cannot confirm, is thrown away. The givens keep the point symmetry of the game's
// boards.
MinimalPuzzle MakeMinimalPuzzle(RandomSource& random);

// True when singles propagation alone, without any trial, completes the givens.
bool SinglesFinish(const CellDigits& givens);

}  // namespace drz
