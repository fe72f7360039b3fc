// The edit path: every step keeps both copies of a shared cell equal, counts, judges and lists what changed
// with the values before and after, so the step can be undone from its change list alone.
#include "model/board_edit.h"

#include <gtest/gtest.h>

#include "board/board_ops.h"
#include "engine/rules.h"
#include "engine/solver.h"
#include "oracle/board_factory.h"
#include "oracle/literal_rules.h"
#include "oracle/puzzle_files.h"

namespace drz {
namespace {

constexpr CellRef kShared{1, 8, 9};   // grid 1's copy of a cell it shares with grid 4 ...
constexpr CellRef kPartner{4, 2, 3};  // ... and grid 4's copy

// The board before a step, rebuilt from the board after it and the step's change list.
Board Undone(Board board, const EditStep& step) {
    for (const CellChange& c : step.changes) {
        board.Cell(c.cell.k, c.cell.x, c.cell.y) = c.oldValue;
        board.Given(c.cell.k, c.cell.x, c.cell.y) = c.oldGiven;
        for (int d = 1; d <= 9; ++d) board.Mark(c.cell.k, c.cell.x, c.cell.y, d) = (c.oldMarks >> d) & 1;
    }
    return board;
}

void ExpectUndoable(const Board& before, const Board& after, const EditStep& step) {
    const Board undone = Undone(after, step);
    EXPECT_EQ(undone.CellValue, before.CellValue);
    EXPECT_EQ(undone.GivenValue, before.GivenValue);
    EXPECT_EQ(undone.CandidateMark, before.CandidateMark);
}

TEST(Verdict, AgreesWithTheLiteralRuleTestAndTheCounts) {
    oracle::Rng rng(3);
    for (int round = 0; round < 40; ++round) {
        Board board = round == 0 ? oracle::FullBoard() : oracle::RandomPartialBoard(rng, round % 4 == 0 ? 1.0 : 0.6);
        if (round % 3 == 1) oracle::PutRepeatedDigit(board, rng);
        const Verdict v = VerdictOf(board);
        Board counted = board;
        CountDigits(counted);
        ASSERT_EQ(v.counts, counted.DigitCount) << round;
        ASSERT_EQ(v.valid, oracle::LiteralBoardValid(board)) << round;
        ASSERT_EQ(v.solved, v.valid && AllDigitsComplete(counted)) << round;
        ASSERT_EQ(StatusTextOf(v), !v.valid ? "Falsche Zahl! " : v.solved ? "Brett gelöst!!! " : "Keine Fehler! ");
    }
    EXPECT_TRUE(VerdictOf(oracle::FullBoard()).solved);
    EXPECT_EQ(CountDistinctGivens(Board{}), 0);
}

TEST(CellSteps, ASharedCellChangesInBothCopiesAndCountsOnce) {
    Board board;
    const Board before = board;
    const EditStep step = EnterDigit(board, kShared, 6, Candidates::AsMarked);
    EXPECT_EQ(step.kind, StepKind::EnterDigit);
    EXPECT_EQ(board.Cell(4, 2, 3), 6);
    ASSERT_EQ(step.changes.size(), 2u);
    EXPECT_EQ(step.changes[0].cell, kShared);
    EXPECT_EQ(step.changes[1].cell, kPartner);
    EXPECT_EQ(step.changes[1].oldValue, 0);
    EXPECT_EQ(step.changes[1].newValue, 6);
    EXPECT_EQ(step.verdict.counts[6], 1);
    EXPECT_EQ(board.DigitCount[6], 1);
    EXPECT_TRUE(step.verdict.valid);
    ExpectUndoable(before, board, step);

    const Board entered = board;
    const EditStep clear = ClearCell(board, kPartner, Candidates::AsMarked);
    EXPECT_EQ(board.Cell(1, 8, 9), 0);
    EXPECT_EQ(clear.verdict.counts[6], 0);
    ExpectUndoable(entered, board, clear);

    const EditStep again = ClearCell(board, kShared, Candidates::AsMarked);
    EXPECT_FALSE(again.Changed());
}

TEST(CellSteps, GivensAndMarksFollowToThePartnerCopy) {
    Board board;
    EnterGiven(board, kShared, 3, Candidates::AsMarked);
    EXPECT_EQ(board.Given(4, 2, 3), 3);
    EXPECT_EQ(board.Cell(4, 2, 3), 3);
    const Board given = board;
    const EditStep removed = RemoveGiven(board, kShared, Candidates::AsMarked);
    EXPECT_EQ(board.Given(4, 2, 3), 0);
    EXPECT_EQ(board.Cell(4, 2, 3), 0);
    ExpectUndoable(given, board, removed);

    const EditStep marked = ToggleMark(board, kShared, 5, Candidates::AsMarked);
    EXPECT_TRUE(board.Mark(4, 2, 3, 5));
    ASSERT_EQ(marked.changes.size(), 2u);
    EXPECT_EQ(marked.changes[1].newMarks, 1u << 5);
    ToggleMark(board, kShared, 7, Candidates::AsMarked);
    const Board twoMarks = board;
    const EditStep cleared = ClearMarks(board, kShared, Candidates::AsMarked);
    EXPECT_FALSE(board.Mark(4, 2, 3, 5) || board.Mark(4, 2, 3, 7) || board.Mark(1, 8, 9, 7));
    ExpectUndoable(twoMarks, board, cleared);
}

TEST(CellSteps, ShownCandidatesAreRecomputedAfterEveryStep) {
    Board board = oracle::LoadPuzzle("singles-1.txt");
    CellRef empty{7, 1, 1};
    while (board.Cell(7, empty.x, empty.y) != 0) empty.x = empty.x % 9 + 1, empty.y += empty.x == 1 ? 1 : 0;
    const EditStep step = EnterDigit(board, empty, 1, Candidates::Computed);
    EXPECT_TRUE(step.candidatesRecomputed);
    Board expected = board;
    oracle::LiteralComputeCandidates(expected);
    oracle::LiteralMergeSharedCandidates(expected);
    EXPECT_EQ(board.CandidateMark, expected.CandidateMark);
    EXPECT_FALSE(Refresh(board, Candidates::Computed).Changed());
    EXPECT_FALSE(Refresh(board, Candidates::AsMarked).candidatesRecomputed);
}

TEST(BoardSteps, ASolveIsOneStepAndRestartGoesBackToTheGivens) {
    Board board = oracle::LoadPuzzle("singles-1.txt");
    const Board puzzle = board;
    SolveHooks quiet;
    const EditStep solve = Solve(board, quiet, true, Candidates::AsMarked);
    EXPECT_EQ(solve.kind, StepKind::Solve);
    EXPECT_TRUE(solve.verdict.solved);
    EXPECT_GT(solve.changes.size(), 100u);
    ExpectUndoable(puzzle, board, solve);

    const Board solved = board;
    const EditStep restart = Restart(board, Candidates::AsMarked);
    EXPECT_EQ(board.CellValue, [&] {
        Board b = puzzle;
        ClearEntries(b);
        return b.CellValue;
    }());
    ExpectUndoable(solved, board, restart);
}

TEST(BoardSteps, AMissingFileLoadsNothingAndChangesNothing) {
    Board board = oracle::LoadPuzzle("singles-1.txt");
    const Board before = board;
    const LoadStep load = Load(board, "no-such-board.drz", 0, Candidates::AsMarked);
    EXPECT_FALSE(load.load.BoardChanged());
    EXPECT_FALSE(load.step.Changed());
    EXPECT_EQ(board.CellValue, before.CellValue);
}

}  // namespace
}  // namespace drz
