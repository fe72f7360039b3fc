// literal_solver.h — the forced-step solver done the slow way, a whole-board rule test per trial, as the oracle for the fast one.
#pragma once

#include "board/board.h"
#include "engine/solver.h"

namespace drz::oracle {

// Every trial writes the digit into the cell and its partner copy, runs LiteralBoardValid and writes 0
// back; every step keeps its own trial count and remembered cell. Reports through the same hooks and
// returns the same results as the engine's solver.
SolveResult LiteralForcedPasses(Board& board, SolveHooks& hooks, int maxPasses = kMaxSolvePasses);
SolveResult LiteralSolveBoard(Board& board, SolveHooks& hooks);
SolveCommandResult LiteralSolveCommand(Board& board, SolveHooks& hooks);

}  // namespace drz::oracle
