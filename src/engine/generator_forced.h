// generator_forced.h — the game's forced-step passes run on a copy of a board: solved or not, in how many passes.
#pragma once

#include "board/board.h"
#include "engine/exact_cells.h"

namespace drz {

struct ForcedRun {
    bool solved = false;  // complete and valid after at most 15 passes
    int passes = 0;       // the pass that placed the last digit; 0 when nothing was placed
};

// The passes of the game's solver (ForcedSolver::Pass, at most 15, stopping after a pass that places
// nothing) on a copy of the board, judged as SolveBoard judges: every digit 101 times and no rule broken.
ForcedRun RunForcedPasses(const Board& board);

// The same for a set of givens that agree with some solution (as the generator's always do): solved
// exactly when every empty cell was filled.
ForcedRun RunForcedPasses(const CellDigits& givens);

}  // namespace drz
