// generator_deals.h — whether a level board stays solvable by the forced steps however a new game shuffles it.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "engine/solver.h"

namespace drz {

// A new game deals a level board and shuffles it before the player sees it. The forced-step solver works
// through grids, boxes, rows, columns and digits in a fixed order, so a shuffle changes how many passes a
// board needs. The deal set is fixed: deal i (0 <= i < kShuffledDeals) is ShuffleBoard with the game's
// RandomSource seeded kDealSeedFirst + i, symmetric (as with "Rätsel-Symmetrie", the default) for the first
// kSymmetricDeals, independent for the rest. A board is solvable on every deal when the passes finish each
// deal of the set within kDealPassLimit passes: one pass fewer than the solver's 15, held in hand because
// the set is only a sample of the shuffles a player can get.
inline constexpr int kSymmetricDeals = 128;
inline constexpr int kIndependentDeals = 128;
inline constexpr int kShuffledDeals = kSymmetricDeals + kIndependentDeals;
inline constexpr std::uint64_t kDealSeedFirst = 1;
inline constexpr int kDealPassLimit = kMaxSolvePasses - 1;

struct DealCheck {
    int shuffled = 0;     // deals of the set run, in order
    int unsolved = 0;     // of these, the ones the 15 passes did not finish
    int overLimit = 0;    // the ones finished, but with more than kDealPassLimit passes
    int worstPasses = 0;  // the most passes (up to the last placement) any finished one needed

    // Every deal of the set was run and finished within kDealPassLimit passes.
    bool EveryDealSolved() const { return shuffled == kShuffledDeals && unsolved == 0 && overLimit == 0; }
};

// `out` becomes `board` as deal `deal` of the set shuffles it: the same tables ShuffleBoard leaves.
void DealBoard(const Board& board, int deal, Board& out);

// Runs the forced passes on each deal of the set in turn. With `stopAtFirstFailure` it returns at the first
// deal that is unsolved or over the limit (the generator's use); otherwise it runs the whole set and counts
// (the level check's use).
DealCheck CheckDeals(const Board& board, bool stopAtFirstFailure);

}  // namespace drz
