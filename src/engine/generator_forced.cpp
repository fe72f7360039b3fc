#include "engine/generator_forced.h"

#include "board/board_ops.h"
#include "engine/rules.h"
#include "engine/solver.h"

namespace drz {

namespace {

// Passes on `board` itself; returns the last productive pass and the number of placements.
int DrivePasses(Board& board, int& placements) {
    SolveHooks quiet;
    ForcedSolver solver(board, quiet);
    int last = 0;
    for (int pass = 1; pass <= kMaxSolvePasses && solver.Pass(); ++pass) last = pass;
    placements = solver.Placements();
    return last;
}

}  // namespace

ForcedRun RunForcedPasses(const Board& board) {
    Board copy = board;
    int placements = 0;
    ForcedRun run;
    run.passes = DrivePasses(copy, placements);
    CountDigits(copy);
    run.solved = AllDigitsComplete(copy) && BoardValid(copy);
    return run;
}

ForcedRun RunForcedPasses(const CellDigits& givens) {
    Board board;
    WriteDistinct(givens, board.CellValue);
    int empty = 0;
    for (std::uint8_t d : givens) empty += d == 0;
    int placements = 0;
    ForcedRun run;
    run.passes = DrivePasses(board, placements);
    run.solved = placements == empty;
    return run;
}

}  // namespace drz
