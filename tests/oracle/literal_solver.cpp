#include "oracle/literal_solver.h"

#include "board/board_ops.h"
#include "oracle/board_factory.h"
#include "oracle/literal_rules.h"

namespace drz::oracle {

namespace {

class LiteralSolver {
public:
    LiteralSolver(Board& board, SolveHooks& hooks) : board_(board), hooks_(hooks) {}

    bool Pass() {
        progress_ = false;
        for (int k = 1; k <= 13; ++k) {
            for (int x0 = 1; x0 <= 7; x0 += 3)
                for (int y0 = 1; y0 <= 7; y0 += 3) SolveBox(k, x0, y0);
            for (int i = 1; i <= 9; ++i) {
                SolveRow(k, i);
                SolveColumn(k, i);
            }
        }
        return progress_;
    }

    int placements = 0;

private:
    bool Trial(int k, int x, int y, int d) {
        SetCellAndPartner(board_, k, x, y, static_cast<std::uint8_t>(d));
        const bool valid = LiteralBoardValid(board_);
        SetCellAndPartner(board_, k, x, y, 0);
        return valid;
    }

    void Place(int k, int x, int y, int d) {
        SetCellAndPartner(board_, k, x, y, static_cast<std::uint8_t>(d));
        hooks_.Placed(k, x, y, d);
        progress_ = true;
        ++placements;
    }

    void SolveBox(int k, int x0, int y0) {
        // Phase 1: cells with a single possible digit.
        for (int x = x0; x <= x0 + 2; ++x) {
            for (int y = y0; y <= y0 + 2; ++y) {
                int trials = 0, rd = 0, rx = 0, ry = 0;
                for (int d = 1; d <= 9; ++d) {
                    if (board_.Cell(k, x, y) == 0 && Trial(k, x, y, d)) ++trials, rd = d, rx = x, ry = y;
                }
                if (trials == 1) Place(k, rx, ry, rd);
            }
        }
        // Phase 2: digits with a single possible cell.
        for (int d = 1; d <= 9; ++d) {
            int trials = 0, rd = 0, rx = 0, ry = 0;
            for (int x = x0; x <= x0 + 2; ++x)
                for (int y = y0; y <= y0 + 2; ++y)
                    if (board_.Cell(k, x, y) == 0 && Trial(k, x, y, d)) ++trials, rd = d, rx = x, ry = y;
            if (trials == 1) Place(k, rx, ry, rd);
        }
    }

    void SolveRow(int k, int y) {
        for (int d = 1; d <= 9; ++d) {
            int trials = 0, rd = 0, rx = 0, ry = 0;
            for (int x = 1; x <= 9; ++x)
                if (board_.Cell(k, x, y) == 0 && Trial(k, x, y, d)) ++trials, rd = d, rx = x, ry = y;
            if (trials == 1) Place(k, rx, ry, rd);
        }
    }

    void SolveColumn(int k, int x) {
        for (int d = 1; d <= 9; ++d) {
            int trials = 0, rd = 0, rx = 0, ry = 0;
            for (int y = 1; y <= 9; ++y)
                if (board_.Cell(k, x, y) == 0 && Trial(k, x, y, d)) ++trials, rd = d, rx = x, ry = y;
            if (trials == 1) Place(k, rx, ry, rd);
        }
    }

    Board& board_;
    SolveHooks& hooks_;
    bool progress_ = false;
};

}  // namespace

SolveResult LiteralForcedPasses(Board& board, SolveHooks& hooks, int maxPasses) {
    LiteralSolver solver(board, hooks);
    SolveResult result;
    int pass = 1;
    for (;;) {
        result.passes = pass;
        const bool progress = solver.Pass();
        if (!progress || pass + 1 > maxPasses) break;
        ++pass;
    }
    result.placements = solver.placements;
    return result;
}

SolveResult LiteralSolveBoard(Board& board, SolveHooks& hooks) {
    hooks.Begin();
    SolveResult result = LiteralForcedPasses(board, hooks, kMaxSolvePasses);
    CountDigits(board);
    bool complete = true;
    for (int d = 1; d <= 9; ++d) complete = complete && board.DigitCount[d] == 101;
    result.solved = complete && LiteralBoardValid(board);
    hooks.Judged(result.solved);
    // The status text begins with "B" only when solved.
    hooks.Verdict(result.solved ? "Das Brett wurde gelöst!" : "Das Brett läßt sich nicht eindeutig lösen?",
                  result.solved ? "&Klasse" : "&Schade");
    hooks.AfterVerdict();
    hooks.End();
    return result;
}

SolveCommandResult LiteralSolveCommand(Board& board, SolveHooks& hooks) {
    SolveCommandResult result;
    result.first = LiteralSolveBoard(board, hooks);
    if (!result.first.solved && !LiteralNoDeadCell(board)) {
        ClearEntries(board);
        hooks.EntriesCleared();
        result.retried = true;
        result.second = LiteralSolveBoard(board, hooks);
    }
    return result;
}

}  // namespace drz::oracle
