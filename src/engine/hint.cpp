#include "engine/hint.h"

#include <bit>
#include <optional>

#include "board/board_ops.h"
#include "engine/rules.h"
#include "engine/solver.h"
#include "engine/unit_masks.h"

namespace drz {

namespace {

// Forced steps stay sound past the game's fifteen passes; a board of the game needs far fewer.
constexpr int kSolutionPasses = 200;

constexpr std::array<UnitKind, 3> kUnitKinds = {UnitKind::Row, UnitKind::Column, UnitKind::Box};

// The board the givens alone force, when forced steps fill it without breaking a rule.
std::optional<Board> ForcedSolution(const Board& board) {
    Board copy = board;
    ClearEntries(copy);
    SolveHooks quiet;
    ForcedPasses(copy, quiet, kSolutionPasses);
    CountDigits(copy);
    if (!AllDigitsComplete(copy) || !BoardValid(copy)) return std::nullopt;
    return copy;
}

bool IsEntry(const Board& board, CellRef c) {
    return board.Cell(c.k, c.x, c.y) != 0 && board.Given(c.k, c.x, c.y) == 0;
}

bool Differs(const std::optional<Board>& solution, const Board& board, CellRef c) {
    return solution && solution->Cell(c.k, c.x, c.y) != board.Cell(c.k, c.x, c.y);
}

// Of the cells of one unit holding the same digit: the entry that differs from the solution, else the first
// entry, else (givens that break the rules) the second cell.
CellRef WrongOfPair(const Board& board, const std::optional<Board>& solution, const std::array<CellRef, 9>& cells,
                    int digit) {
    std::optional<CellRef> entry, second;
    int seen = 0;
    for (const CellRef& c : cells) {
        if (board.Cell(c.k, c.x, c.y) != digit) continue;
        if (++seen == 2) second = c;
        if (!IsEntry(board, c)) continue;
        if (Differs(solution, board, c)) return c;
        if (!entry) entry = c;
    }
    return entry.value_or(*second);
}

std::optional<Hint> FindClash(const Board& board, const std::optional<Board>& solution) {
    for (int k = 1; k <= kGridCount; ++k)
        for (UnitKind kind : kUnitKinds)
            for (int i = kind == UnitKind::Box ? 0 : 1; i <= (kind == UnitKind::Box ? 8 : 9); ++i) {
                const HintUnit unit{kind, i};
                const std::array<CellRef, 9> cells = UnitCells(k, unit);
                std::array<int, 10> count{};
                for (const CellRef& c : cells) {
                    const int d = board.Cell(c.k, c.x, c.y);
                    if (d < 1 || d > 9 || ++count[d] < 2) continue;
                    return Hint{HintKind::Clash, WrongOfPair(board, solution, cells, d), d, unit};
                }
            }
    return std::nullopt;
}

std::optional<Hint> FindWrongEntry(const Board& board, const std::optional<Board>& solution) {
    if (!solution) return std::nullopt;
    for (int k = 1; k <= kGridCount; ++k)
        for (int y = 1; y <= 9; ++y)
            for (int x = 1; x <= 9; ++x)
                if (IsEntry(board, {k, x, y}) && Differs(solution, board, {k, x, y}))
                    return Hint{HintKind::WrongEntry, {k, x, y}, board.Cell(k, x, y), {}};
    return std::nullopt;
}

// The digits that fit the empty cell c in its grid and, in a shared box, in the partner's grid too.
DigitMask FittingDigits(const UnitMasks& seen, CellRef c) {
    DigitMask taken = seen.Seen(c.k, c.x, c.y);
    if (const std::optional<CellRef> partner = PartnerCell(c.k, c.x, c.y))
        taken |= seen.Seen(partner->k, partner->x, partner->y);
    return kAllDigits & ~taken;
}

std::optional<Hint> FindDeadCell(const Board& board, const UnitMasks& seen, bool& anyEmpty) {
    anyEmpty = false;
    for (int k = 1; k <= kGridCount; ++k)
        for (int y = 1; y <= 9; ++y)
            for (int x = 1; x <= 9; ++x) {
                if (board.Cell(k, x, y) != 0) continue;
                anyEmpty = true;
                if (FittingDigits(seen, {k, x, y}) == 0) return Hint{HintKind::DeadCell, {k, x, y}, 0, {}};
            }
    return std::nullopt;
}

// The solver's hooks for a look ahead: the first placement only.
struct FirstPlacement final : SolveHooks {
    std::optional<CellRef> cell;
    int digit = 0;
    void Placed(int k, int x, int y, int d) override {
        if (cell) return;
        cell = CellRef{k, x, y};
        digit = d;
    }
};

// A placement made by the steps of a box: the cell's only digit, or the box's only place for it.
Hint BoxStepHint(const UnitMasks& seen, const FirstPlacement& first, int x0, int y0) {
    const bool naked = std::popcount(FittingDigits(seen, *first.cell)) == 1;
    const HintUnit box{UnitKind::Box, (y0 - 1) / 3 * 3 + (x0 - 1) / 3};
    return {naked ? HintKind::NakedSingle : HintKind::BoxSingle, *first.cell, first.digit, naked ? HintUnit{} : box};
}

// The steps of the solver's first pass in its own order (each grid: its nine boxes, then row i and column i for
// i = 1..9), run on a copy until one places a digit. That digit is the one a solve would place first.
std::optional<Hint> FirstForcedStep(const Board& board, const UnitMasks& seen) {
    Board copy = board;
    FirstPlacement first;
    ForcedSolver solver(copy, first);
    for (int k = 1; k <= kGridCount; ++k) {
        for (int x0 = 1; x0 <= 7; x0 += 3)
            for (int y0 = 1; y0 <= 7; y0 += 3) {
                solver.SolveBox(k, x0, y0);
                if (first.cell) return BoxStepHint(seen, first, x0, y0);
            }
        for (int i = 1; i <= 9; ++i) {
            solver.SolveRow(k, i);
            if (first.cell) return Hint{HintKind::RowSingle, *first.cell, first.digit, {UnitKind::Row, i}};
            solver.SolveColumn(k, i);
            if (first.cell) return Hint{HintKind::ColumnSingle, *first.cell, first.digit, {UnitKind::Column, i}};
        }
    }
    return std::nullopt;
}

}  // namespace

std::array<CellRef, 9> UnitCells(int k, HintUnit unit) {
    std::array<CellRef, 9> cells{};
    for (int i = 0; i < 9; ++i) {
        switch (unit.kind) {
            case UnitKind::Row:
                cells[i] = {k, i + 1, unit.index};
                break;
            case UnitKind::Column:
                cells[i] = {k, unit.index, i + 1};
                break;
            default:
                cells[i] = {k, unit.index % 3 * 3 + 1 + i % 3, unit.index / 3 * 3 + 1 + i / 3};
                break;
        }
    }
    return cells;
}

Hint FindHint(const Board& board) {
    const std::optional<Board> solution = ForcedSolution(board);
    if (std::optional<Hint> clash = FindClash(board, solution)) return *clash;
    if (std::optional<Hint> wrong = FindWrongEntry(board, solution)) return *wrong;
    const UnitMasks seen(board);
    bool anyEmpty = false;
    if (std::optional<Hint> dead = FindDeadCell(board, seen, anyEmpty)) return *dead;
    if (!anyEmpty) return {HintKind::Solved, {0, 0, 0}, 0, {}};
    if (std::optional<Hint> step = FirstForcedStep(board, seen)) return *step;
    return {};
}

}  // namespace drz
