#include "engine/solver.h"

#include "board/board_ops.h"
#include "engine/rules.h"

namespace drz {

// A set of cells of one grid, as a mask and in the order the trials visit them.
struct CellSet {
    GridMask mask;
    int bits[9];
};

namespace {

constexpr CellSet MakeSet(const int (&xs)[9], const int (&ys)[9]) {
    CellSet set{};
    for (int i = 0; i < 9; ++i) {
        set.bits[i] = GridMask::BitOf(xs[i], ys[i]);
        set.mask |= GridMask::Cell(set.bits[i]);
    }
    return set;
}

// Boxes by (x0 - 1) / 3 * 3 + (y0 - 1) / 3, cells column by column.
constexpr std::array<CellSet, 9> MakeBoxes() {
    std::array<CellSet, 9> boxes{};
    for (int x0 = 1; x0 <= 7; x0 += 3) {
        for (int y0 = 1; y0 <= 7; y0 += 3) {
            int xs[9], ys[9], i = 0;
            for (int x = x0; x < x0 + 3; ++x)
                for (int y = y0; y < y0 + 3; ++y, ++i) xs[i] = x, ys[i] = y;
            boxes[(x0 - 1) / 3 * 3 + (y0 - 1) / 3] = MakeSet(xs, ys);
        }
    }
    return boxes;
}

constexpr std::array<CellSet, 10> MakeLines(bool rows) {
    std::array<CellSet, 10> lines{};
    for (int n = 1; n <= 9; ++n) {
        int xs[9], ys[9];
        for (int i = 0; i < 9; ++i) {
            xs[i] = rows ? i + 1 : n;
            ys[i] = rows ? n : i + 1;
        }
        lines[n] = MakeSet(xs, ys);
    }
    return lines;
}

constexpr std::array<CellSet, 9> kBoxes = MakeBoxes();
constexpr std::array<CellSet, 10> kRows = MakeLines(true);
constexpr std::array<CellSet, 10> kColumns = MakeLines(false);

constexpr int XOf(int bit) { return bit % 9 + 1; }
constexpr int YOf(int bit) { return bit / 9 + 1; }

constexpr bool IsSingle(GridMask m) {
    // Exactly one bit: one word holds a power of two and the other is zero.
    return (m.low != 0 && m.high == 0 && (m.low & (m.low - 1)) == 0) ||
           (m.low == 0 && m.high != 0 && (m.high & (m.high - 1)) == 0);
}

}  // namespace

ForcedSolver::ForcedSolver(Board& board, SolveHooks& hooks) : board_(board), hooks_(hooks), state_(board) {}

void ForcedSolver::Place(int k, int x, int y, int d) {
    state_.Place(k, x, y, d);
    ++placements_;
    hooks_.Placed(k, x, y, d);
}

// Phase 1 of a box on the fast path. A cell admits a single digit when it is in exactly one of the nine
// fit masks; a placement only takes digits away from other cells, so the singles are found again after
// each placement and the cells are still taken in their order.
void ForcedSolver::SingleDigitsFast(int k, const CellSet& box) {
    int next = 0;
    while (next < 9) {
        const std::array<GridMask, 10>& fit = state_.Fit(k);
        GridMask once, twice;
        for (int d = 1; d <= 9; ++d) {
            const GridMask m = fit[d] & box.mask;
            twice |= once & m;
            once |= m;
        }
        const GridMask single = once & ~twice;
        if (single.Empty()) return;
        while (next < 9 && !single.Has(box.bits[next])) ++next;
        if (next == 9) return;
        const int bit = box.bits[next++];
        int digit = 1;
        while (!fit[digit].Has(bit)) ++digit;
        Place(k, XOf(bit), YOf(bit), digit);
    }
}

// Phase 1 of a box trial by trial: each empty cell tried with 1..9.
void ForcedSolver::SingleDigitsByTrials(int k, const CellSet& box) {
    for (int bit : box.bits) {
        const int x = XOf(bit), y = YOf(bit);
        if (board_.Cell(k, x, y) != 0) continue;
        int trials = 0, digit = 0;
        for (int d = 1; d <= 9; ++d)
            if (state_.Trial(k, x, y, d)) ++trials, digit = d;
        if (trials == 1) Place(k, x, y, digit);
    }
}

// Every digit over a set of cells: placed when exactly one empty cell of the set accepts it.
void ForcedSolver::SinglePlaces(int k, const CellSet& set) {
    if (state_.NeedsTrials(k, set.mask)) {
        for (int d = 1; d <= 9; ++d) SinglePlaceByTrials(k, set, d);
        return;
    }
    // On a board that repeats a digit every trial fails; without unequal copies nothing else happens.
    if (!state_.Valid()) return;
    for (int d = 1; d <= 9; ++d) {
        const GridMask accepting = state_.Fit(k)[d] & set.mask;
        if (IsSingle(accepting)) {
            const int bit = accepting.First();
            Place(k, XOf(bit), YOf(bit), d);
        }
    }
}

void ForcedSolver::SinglePlaceByTrials(int k, const CellSet& set, int d) {
    int trials = 0, place = 0;
    for (int bit : set.bits) {
        if (board_.Cell(k, XOf(bit), YOf(bit)) != 0) continue;
        if (state_.Trial(k, XOf(bit), YOf(bit), d)) ++trials, place = bit;
    }
    if (trials == 1) Place(k, XOf(place), YOf(place), d);
}

void ForcedSolver::SolveBox(int k, int x0, int y0) {
    const CellSet& box = kBoxes[(x0 - 1) / 3 * 3 + (y0 - 1) / 3];
    if (state_.NeedsTrials(k, box.mask))
        SingleDigitsByTrials(k, box);
    else if (state_.Valid())
        SingleDigitsFast(k, box);
    SinglePlaces(k, box);
}

void ForcedSolver::SolveRow(int k, int y) { SinglePlaces(k, kRows[y]); }

void ForcedSolver::SolveColumn(int k, int x) { SinglePlaces(k, kColumns[x]); }

void ForcedSolver::SolveGrid(int k) {
    for (int x0 = 1; x0 <= 7; x0 += 3)
        for (int y0 = 1; y0 <= 7; y0 += 3) SolveBox(k, x0, y0);
    for (int i = 1; i <= 9; ++i) {
        SolveRow(k, i);
        SolveColumn(k, i);
    }
}

bool ForcedSolver::Pass() {
    const int before = placements_;
    for (int k = 1; k <= kGridCount; ++k) {
        // The steps of a grid read nothing but its fit masks and the board's validity. When neither has
        // changed since they last ran without placing anything, they would place nothing again.
        if (quiet_[k] && quietVersion_[k] == state_.Version(k)) continue;
        const int placedBefore = placements_;
        SolveGrid(k);
        quiet_[k] = placements_ == placedBefore;
        quietVersion_[k] = state_.Version(k);
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
