// The history: every kind of step taken back and made again exactly, a new step dropping the redo steps, a
// board changed past the history, and checkpoints returned to twice.
#include "model/history.h"

#include <gtest/gtest.h>

#include "engine/solver.h"
#include "model/step_recorder.h"
#include "oracle/puzzle_files.h"

namespace drz {
namespace {

constexpr CellRef kShared{1, 8, 9};  // shared with grid 4's (2, 3)

struct Played {
    Board board = oracle::LoadPuzzle("singles-1.txt");
    History history;
    bool shown = false;
    void Take(const EditStep& step, bool before) { RecordStep(history, step, before, shown); }
    void Take(const EditStep& step) { Take(step, shown); }
};

// Digits, givens, counts and the marks 1..9 of the cells the game reads.
bool SameBoard(const Board& a, const Board& b) {
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (MarkBits(a, CellIndex(k, x, y)) != MarkBits(b, CellIndex(k, x, y))) return false;
    return a.CellValue == b.CellValue && a.GivenValue == b.GivenValue && a.DigitCount == b.DigitCount;
}

CellRef EmptyCell(const Board& board, int k) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (board.Cell(k, x, y) == 0 && !PartnerCell(k, x, y)) return {k, x, y};
    return {};
}

TEST(History, EveryKindOfStepGoesBackAndComesAgain) {
    Played p;
    p.board.Cell(kShared.k, kShared.x, kShared.y) = 0;  // a shared cell to write in both copies
    p.board.Cell(4, 2, 3) = 0;
    p.board.Given(kShared.k, kShared.x, kShared.y) = p.board.Given(4, 2, 3) = 0;
    p.board.DigitCount = VerdictOf(p.board).counts;
    std::vector<Board> states{p.board};
    RandomSource random(7);
    SolveHooks quiet;
    const CellRef e = EmptyCell(p.board, 7);
    const auto take = [&](const EditStep& step, bool before = true) {
        p.Take(step, before && p.shown);
        states.push_back(p.board);
    };
    take(EnterDigit(p.board, kShared, 5, Candidates::AsMarked));
    take(ToggleMark(p.board, e, 3, Candidates::AsMarked));
    take(EnterDigit(p.board, e, 4, Candidates::AsMarked));
    take(ClearCell(p.board, e, Candidates::AsMarked));
    take(SetAllMarks(p.board, true, Candidates::AsMarked));
    take(ClearMarks(p.board, e, Candidates::AsMarked));
    take(Restart(p.board, Candidates::AsMarked));
    take(EnterGiven(p.board, kShared, 2, Candidates::AsMarked));
    take(RemoveGiven(p.board, kShared, Candidates::AsMarked));
    take(Shuffle(p.board, random, true, Candidates::AsMarked));
    p.shown = true;  // M: candidates shown, computed
    take(SetAllMarks(p.board, false, Candidates::Computed), false);
    take(Solve(p.board, quiet, true, Candidates::Computed));
    ASSERT_EQ(p.history.steps.size(), states.size() - 1);
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        const std::optional<EditStep> step = UndoStep(p.board, p.history, p.shown);
        ASSERT_TRUE(step) << i;
        ASSERT_TRUE(SameBoard(p.board, states[i - 1])) << i;
        EXPECT_EQ(step->verdict.counts, states[i - 1].DigitCount);
    }
    EXPECT_FALSE(p.shown);
    EXPECT_FALSE(UndoStep(p.board, p.history, p.shown));  // back at the deal: nothing more
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(RedoStep(p.board, p.history, p.shown)) << i;
        ASSERT_TRUE(SameBoard(p.board, states[i])) << i;
    }
    EXPECT_TRUE(p.shown);
    EXPECT_FALSE(RedoStep(p.board, p.history, p.shown));
}

TEST(History, ANewStepDropsTheRedoStepsAndAStrangeBoardDropsAll) {
    Played p;
    const CellRef e = EmptyCell(p.board, 3);
    p.Take(EnterDigit(p.board, e, 1, Candidates::AsMarked));
    p.Take(EnterDigit(p.board, e, 2, Candidates::AsMarked));
    p.Take(Refresh(p.board, Candidates::AsMarked));  // no change: nothing recorded, redo kept
    ASSERT_TRUE(UndoStep(p.board, p.history, p.shown));
    EXPECT_EQ(p.board.Cell(e.k, e.x, e.y), 1);
    p.Take(Refresh(p.board, Candidates::AsMarked));
    EXPECT_TRUE(p.history.CanRedo());
    p.Take(EnterDigit(p.board, e, 3, Candidates::AsMarked));
    EXPECT_FALSE(p.history.CanRedo());
    EXPECT_EQ(p.history.steps.size(), 2u);
    p.board.Cell(e.k, e.x, e.y) = 9;  // changed past the history
    EXPECT_FALSE(UndoStep(p.board, p.history, p.shown));
    EXPECT_EQ(p.board.Cell(e.k, e.x, e.y), 9);
    EXPECT_FALSE(p.history.CanUndo());
}

TEST(History, ACheckpointReturnedToTwiceStaysAndDropsNewestFirst) {
    Played p;
    const CellRef e = EmptyCell(p.board, 5);
    p.Take(EnterDigit(p.board, e, 1, Candidates::AsMarked));
    SetCheckpoint(p.board, p.history, p.shown);
    const Board atPoint = p.board;
    p.Take(EnterDigit(p.board, e, 2, Candidates::AsMarked));
    p.Take(ToggleMark(p.board, EmptyCell(p.board, 6), 4, Candidates::AsMarked));
    SetCheckpoint(p.board, p.history, p.shown);
    ASSERT_TRUE(DropCheckpoint(p.history));  // the newer one goes
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(ReturnToCheckpoint(p.board, p.history, p.shown));
        EXPECT_TRUE(SameBoard(p.board, atPoint));
        p.Take(EnterDigit(p.board, e, 7, Candidates::AsMarked));
    }
    EXPECT_EQ(p.history.checkpoints.size(), 1u);
    ASSERT_TRUE(UndoStep(p.board, p.history, p.shown));  // the digit after the second return
    ASSERT_TRUE(UndoStep(p.board, p.history, p.shown));  // the return itself is one step
    EXPECT_EQ(p.board.Cell(e.k, e.x, e.y), 7);
    EXPECT_TRUE(DropCheckpoint(p.history));
    EXPECT_FALSE(ReturnToCheckpoint(p.board, p.history, p.shown));
    EXPECT_FALSE(DropCheckpoint(p.history));
}

}  // namespace
}  // namespace drz
