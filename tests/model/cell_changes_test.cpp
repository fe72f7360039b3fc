// A step on one cell lists its changes from the cell itself: the same list, in the same order, as a comparison
// of the whole board before and after it, with candidates shown or not and shared marks out of step.
#include <gtest/gtest.h>

#include "model/board_edit.h"
#include "model/step_recorder.h"
#include "oracle/board_factory.h"

namespace drz {
namespace {

TEST(CellChanges, AgreeWithAWholeBoardComparison) {
    oracle::Rng rng(11);
    for (int round = 0; round < 300; ++round) {
        Board board = oracle::RandomPartialBoard(rng, 0.5);
        oracle::RandomMarks(board, rng, 0.3);  // the copies of shared cells differ
        const Candidates rule = round % 3 == 0 ? Candidates::Computed : Candidates::AsMarked;
        const CellRef cell{1 + oracle::Below(rng, kGridCount), 1 + oracle::Below(rng, 9), 1 + oracle::Below(rng, 9)};
        const int d = oracle::Below(rng, 10);
        const StepRecorder whole(board);
        const int k = oracle::Below(rng, 6);
        const EditStep step = k == 0   ? EnterDigit(board, cell, d, rule)
                              : k == 1 ? ClearCell(board, cell, rule)
                              : k == 2 ? ToggleMark(board, cell, d, rule)
                              : k == 3 ? ClearMarks(board, cell, rule)
                              : k == 4 ? EnterGiven(board, cell, d, rule)
                                       : RemoveGiven(board, cell, rule);
        const std::vector<CellChange> expected = whole.Changes(board);
        ASSERT_EQ(step.changes.size(), expected.size()) << round;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const CellChange &a = step.changes[i], &b = expected[i];
            ASSERT_TRUE(a.cell == b.cell && a.oldValue == b.oldValue && a.newValue == b.newValue &&
                        a.oldGiven == b.oldGiven && a.newGiven == b.newGiven && a.oldMarks == b.oldMarks &&
                        a.newMarks == b.newMarks)
                << "round " << round << " change " << i;
        }
        ASSERT_TRUE(step.cell == cell);
    }
}

}  // namespace
}  // namespace drz
