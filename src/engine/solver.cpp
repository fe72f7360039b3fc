#include "engine/solver.h"

#include "board/board_ops.h"
#include "engine/rules.h"

namespace drz {

namespace {

GridMask BoxCells(int x0, int y0) {
    GridMask cells;
    for (int x = x0; x < x0 + 3; ++x)
        for (int y = y0; y < y0 + 3; ++y) cells |= GridMask::Cell(GridMask::BitOf(x, y));
    return cells;
}

GridMask RowCells(int y) {
    GridMask cells;
    for (int x = 1; x <= 9; ++x) cells |= GridMask::Cell(GridMask::BitOf(x, y));
    return cells;
}

GridMask ColumnCells(int x) {
    GridMask cells;
    for (int y = 1; y <= 9; ++y) cells |= GridMask::Cell(GridMask::BitOf(x, y));
    return cells;
}

// The cells of a set in the order the trials visit them.
struct CellList {
    int xs[9];
    int ys[9];
};

CellList BoxList(int x0, int y0) {
    CellList list{};
    int i = 0;
    for (int x = x0; x < x0 + 3; ++x)
        for (int y = y0; y < y0 + 3; ++y, ++i) {
            list.xs[i] = x;
            list.ys[i] = y;
        }
    return list;
}

}  // namespace

ForcedSolver::ForcedSolver(Board& board, SolveHooks& hooks) : board_(board), hooks_(hooks), state_(board) {}

void ForcedSolver::Place(int k, int x, int y, int d) {
    state_.Place(k, x, y, d);
    ++placements_;
    hooks_.Placed(k, x, y, d);
}

// Phase 1 of a box: each empty cell, column by column, tried with 1..9.
void ForcedSolver::SingleDigits(int k, int x0, int y0) {
    const bool byTrials = !(state_.Unequal(k) & BoxCells(x0, y0)).Empty();
    for (int x = x0; x < x0 + 3; ++x) {
        for (int y = y0; y < y0 + 3; ++y) {
            if (board_.Cell(k, x, y) != 0) continue;
            int trials = 0, digit = 0;
            if (byTrials) {
                for (int d = 1; d <= 9; ++d)
                    if (state_.Trial(k, x, y, d)) ++trials, digit = d;
            } else if (state_.Valid()) {
                const int bit = GridMask::BitOf(x, y);
                for (int d = 1; d <= 9 && trials < 2; ++d)
                    if (state_.Fit(k, d).Has(bit)) ++trials, digit = d;
            }
            if (trials == 1) Place(k, x, y, digit);
        }
    }
}

// Digit d over a set of cells: placed when exactly one empty cell of the set accepts it.
void ForcedSolver::SinglePlace(int k, GridMask cells, int d) {
    if (!state_.Valid()) return;
    const GridMask accepting = state_.Fit(k, d) & cells;
    if (accepting.Count() != 1) return;
    const int bit = accepting.First();
    Place(k, bit % 9 + 1, bit / 9 + 1, d);
}

void ForcedSolver::SinglePlaceByTrials(int k, const int (&xs)[9], const int (&ys)[9], int d) {
    int trials = 0, px = 0, py = 0;
    for (int i = 0; i < 9; ++i) {
        if (board_.Cell(k, xs[i], ys[i]) != 0) continue;
        if (state_.Trial(k, xs[i], ys[i], d)) ++trials, px = xs[i], py = ys[i];
    }
    if (trials == 1) Place(k, px, py, d);
}

void ForcedSolver::SolveBox(int k, int x0, int y0) {
    SingleDigits(k, x0, y0);
    const GridMask cells = BoxCells(x0, y0);
    const CellList list = BoxList(x0, y0);
    for (int d = 1; d <= 9; ++d) {
        if ((state_.Unequal(k) & cells).Empty())
            SinglePlace(k, cells, d);
        else
            SinglePlaceByTrials(k, list.xs, list.ys, d);
    }
}

void ForcedSolver::SolveRow(int k, int y) {
    const GridMask cells = RowCells(y);
    const int xs[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const int ys[9] = {y, y, y, y, y, y, y, y, y};
    for (int d = 1; d <= 9; ++d) {
        if ((state_.Unequal(k) & cells).Empty())
            SinglePlace(k, cells, d);
        else
            SinglePlaceByTrials(k, xs, ys, d);
    }
}

void ForcedSolver::SolveColumn(int k, int x) {
    const GridMask cells = ColumnCells(x);
    const int xs[9] = {x, x, x, x, x, x, x, x, x};
    const int ys[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int d = 1; d <= 9; ++d) {
        if ((state_.Unequal(k) & cells).Empty())
            SinglePlace(k, cells, d);
        else
            SinglePlaceByTrials(k, xs, ys, d);
    }
}

bool ForcedSolver::Pass() {
    const int before = placements_;
    for (int k = 1; k <= kGridCount; ++k) {
        for (int x0 = 1; x0 <= 7; x0 += 3)
            for (int y0 = 1; y0 <= 7; y0 += 3) SolveBox(k, x0, y0);
        for (int i = 1; i <= 9; ++i) {
            SolveRow(k, i);
            SolveColumn(k, i);
        }
    }
    return placements_ != before;
}

SolveResult ForcedPasses(Board& board, SolveHooks& hooks, int maxPasses) {
    ForcedSolver solver(board, hooks);
    SolveResult result;
    bool progress = true;
    while (progress && result.passes < maxPasses) {
        ++result.passes;
        progress = solver.Pass();
    }
    result.placements = solver.Placements();
    return result;
}

SolveResult SolveBoard(Board& board, SolveHooks& hooks) {
    hooks.Begin();
    SolveResult result = ForcedPasses(board, hooks, kMaxSolvePasses);
    CountDigits(board);
    result.solved = AllDigitsComplete(board) && BoardValid(board);
    hooks.Judged(result.solved);
    if (result.solved)
        hooks.Verdict(kSolvedText, kSolvedButton);
    else
        hooks.Verdict(kUnsolvedText, kUnsolvedButton);
    hooks.AfterVerdict();
    hooks.End();
    return result;
}

SolveCommandResult SolveCommand(Board& board, SolveHooks& hooks) {
    SolveCommandResult result;
    result.first = SolveBoard(board, hooks);
    if (!result.first.solved && !NoDeadCell(board)) {
        ClearEntries(board);
        hooks.EntriesCleared();
        result.retried = true;
        result.second = SolveBoard(board, hooks);
    }
    return result;
}

}  // namespace drz
