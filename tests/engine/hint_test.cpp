// Hints against the literal solver: the hinted cell and digit are the first the oracle places, and the reason
// given holds on the board; broken rules, wrong entries, dead cells and guesses.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "board/board_ops.h"
#include "engine/hint.h"
#include "engine/solver.h"
#include "oracle/board_factory.h"
#include "oracle/literal_solver.h"
#include "oracle/puzzle_files.h"

namespace drz {
namespace {

using oracle::DigitFits;

bool FitsBothCopies(const Board& b, CellRef c, int d) {
    const auto partner = PartnerCell(c.k, c.x, c.y);
    return b.Cell(c.k, c.x, c.y) == 0 && DigitFits(b, c.k, c.x, c.y, d) &&
           (!partner || DigitFits(b, partner->k, partner->x, partner->y, d));
}

// The literal solver's hooks, stopping it at its first placement: the rest of its pass is not needed.
struct FirstOnly : oracle::RecordingHooks {
    struct Stop {};
    void Placed(int k, int x, int y, int d) override {
        RecordingHooks::Placed(k, x, y, d);
        throw Stop{};
    }
};

// The oracle's first placement, and the reason the hint gives checked by plain scans.
void ExpectSolversStep(const Board& board, const Hint& hint) {
    Board copy = board;
    FirstOnly hooks;
    try {
        oracle::LiteralForcedPasses(copy, hooks, 1);
    } catch (const FirstOnly::Stop&) {
    }
    const std::string placed = "placed " + std::to_string(hint.cell.k) + " " + std::to_string(hint.cell.x) + " " +
                               std::to_string(hint.cell.y) + " " + std::to_string(hint.digit);
    ASSERT_FALSE(hooks.events.empty());
    EXPECT_EQ(hooks.events.front(), placed);
    int places = 0, digits = 0;
    for (int d = 1; d <= 9; ++d) digits += FitsBothCopies(board, hint.cell, d);
    if (hint.kind == HintKind::NakedSingle) {
        EXPECT_EQ(digits, 1);
        return;
    }
    for (const CellRef& c : UnitCells(hint.cell.k, hint.unit)) places += FitsBothCopies(board, c, hint.digit);
    EXPECT_EQ(places, 1);
    EXPECT_GT(digits, 1);  // else the box's own steps would have named the cell's single digit
}

TEST(Hint, EveryKindOfForcedStepIsTheSolversFirstPlacement) {
    std::map<HintKind, int> seen;
    int secondGrid = 0;  // hints on a shared cell explained by the unit of its higher-numbered grid
    oracle::Rng rng(19);
    for (int n = 0; n < 400 && (seen.size() < 4 || secondGrid == 0); ++n) {
        const Board board = oracle::RandomPartialBoard(rng, 0.05 + 0.01 * (n % 40));
        const Hint hint = FindHint(board);
        if (hint.kind == HintKind::Guess) continue;
        ASSERT_GE(static_cast<int>(hint.kind), static_cast<int>(HintKind::NakedSingle)) << n;
        SCOPED_TRACE(n);
        ExpectSolversStep(board, hint);
        ++seen[hint.kind];
        const auto partner = PartnerCell(hint.cell.k, hint.cell.x, hint.cell.y);
        secondGrid += partner && partner->k < hint.cell.k;
    }
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_GT(secondGrid, 0);
    const Board puzzle = oracle::LoadPuzzle("singles-1.txt");
    const Hint first = FindHint(puzzle);
    ExpectSolversStep(puzzle, first);
}

TEST(Hint, RepeatedDigitsWrongEntriesDeadCellsGuessesAndTheSolvedBoard) {
    const Board puzzle = oracle::LoadPuzzle("singles-1.txt");
    Board solution = puzzle;
    SolveHooks quiet;
    ForcedPasses(solution, quiet, 200);  // the fast twin of the oracle, held to it by the solver tests

    // An entry beside a given of its row: the entry is named, in that row.
    Board clash = puzzle;
    CellRef empty{0, 0, 0}, given{0, 0, 0};
    for (int x = 1; x <= 9; ++x) (puzzle.Cell(6, x, 5) == 0 ? empty : given) = {6, x, 5};
    oracle::SetCellAndPartner(clash, empty.k, empty.x, empty.y, puzzle.Cell(6, given.x, 5));
    Hint hint = FindHint(clash);
    EXPECT_EQ(hint.kind, HintKind::Clash);
    EXPECT_EQ(hint.cell, empty);
    EXPECT_TRUE(hint.unit.kind == UnitKind::Row && hint.unit.index == 5);

    // A digit that breaks no rule but is not the one the givens force.
    Board wrong = puzzle;
    CellRef cell{0, 0, 0};
    int digit = 0;
    for (int x = 1; x <= 9 && !digit; ++x)
        for (int d = 1; d <= 9 && !digit; ++d)
            if (FitsBothCopies(puzzle, {7, x, 4}, d) && d != solution.Cell(7, x, 4)) cell = {7, x, 4}, digit = d;
    ASSERT_NE(digit, 0);
    oracle::SetCellAndPartner(wrong, cell.k, cell.x, cell.y, digit);
    hint = FindHint(wrong);
    EXPECT_EQ(hint.kind, HintKind::WrongEntry);
    EXPECT_EQ(hint.cell, cell);
    EXPECT_EQ(hint.digit, digit);

    // Without givens nothing is known: an empty cell that admits nothing, and nothing forced at all.
    Board dead = oracle::EmptyBoard();
    for (int x = 1; x <= 8; ++x) dead.Cell(3, x, 2) = static_cast<std::uint8_t>(x);
    dead.Cell(3, 9, 5) = 9;
    hint = FindHint(dead);
    EXPECT_EQ(hint.kind, HintKind::DeadCell);
    EXPECT_EQ(hint.cell, (CellRef{3, 9, 2}));
    EXPECT_EQ(FindHint(oracle::EmptyBoard()).kind, HintKind::Guess);
    EXPECT_EQ(FindHint(solution).kind, HintKind::Solved);
}

}  // namespace
}  // namespace drz
