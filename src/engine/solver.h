// solver.h — the forced-step solver: single digits and single places, at most 15 passes, and its verdict.
#pragma once

#include <array>

#include "board/board.h"
#include "engine/solver_hooks.h"
#include "engine/solver_state.h"

namespace drz {

inline constexpr int kMaxSolvePasses = 15;

struct SolveResult {
    int passes = 0;       // passes run, 1..15 (or up to the limit given to ForcedPasses)
    int placements = 0;   // final placements made
    bool solved = false;  // every digit on 101 distinct cells and BoardValid, after the passes
};

struct SolveCommandResult {
    SolveResult first;
    bool retried = false;  // the first run ended contradictory: entries cleared, SolveBoard run again
    SolveResult second;    // meaningful only when retried
    bool Solved() const { return retried ? second.solved : first.solved; }
};

struct CellSet;

// The steps of one run over a board. Every trial is decided as the whole-board rule test would decide it
// after PlaceDigit (see SolverState); every final placement goes through PlaceDigit and is reported to
// hooks.Placed at once.
class ForcedSolver {
public:
    ForcedSolver(Board& board, SolveHooks& hooks);

    // Box of grid k with top-left cell (x0, y0): first every cell that admits a single digit, then every
    // digit that fits a single cell; the cells column by column.
    void SolveBox(int k, int x0, int y0);
    // Every digit that fits a single cell of row y of grid k.
    void SolveRow(int k, int y);
    // Every digit that fits a single cell of column x of grid k.
    void SolveColumn(int k, int x);
    // Grids 1..13: the nine boxes, then row i and column i for i = 1..9. True when something was placed.
    bool Pass();

    int Placements() const { return placements_; }

private:
    void SolveGrid(int k);
    void SingleDigitsFast(int k, const CellSet& box);
    void SingleDigitsByTrials(int k, const CellSet& box);
    void SinglePlaces(int k, const CellSet& set);
    void SinglePlaceByTrials(int k, const CellSet& set, int d);
    void Place(int k, int x, int y, int d);

    Board& board_;
    SolveHooks& hooks_;
    SolverState state_;
    int placements_ = 0;
    std::array<bool, 14> quiet_{};             // the last run over grid k placed nothing ...
    std::array<unsigned, 14> quietVersion_{};  // ... and its fit masks were at this version then
};

// Passes until one places nothing or `maxPasses` have run; no judgement, no verdict.
SolveResult ForcedPasses(Board& board, SolveHooks& hooks, int maxPasses = kMaxSolvePasses);

// SolveBoard: Begin, at most 15 passes, recount and judge, Verdict, AfterVerdict, End.
SolveResult SolveBoard(Board& board, SolveHooks& hooks);

// SolveCommand: SolveBoard; when the board is not solved and NoDeadCell is false (an empty cell admits
// no digit), ClearEntries, EntriesCleared and SolveBoard once more.
SolveCommandResult SolveCommand(Board& board, SolveHooks& hooks);

}  // namespace drz
