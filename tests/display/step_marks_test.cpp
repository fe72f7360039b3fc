// Marks drawn only where a step changed them: after every kind of step the screen is the one a redraw of
// every mark (or of the whole board) would leave, shared cells and covered notes included.
#include "board/geometry.h"
#include "display/board_view.h"
#include "model/history.h"
#include "oracle/puzzle_files.h"
#include "screen_fixture.h"

namespace drz::test {
namespace {

class StepMarks : public ScreenTest {
protected:
    StepMarks() {
        DrawStartScreen();
        board = oracle::LoadPuzzle("singles-1.txt");
        options.ShowCandidates = true;
        RedrawCells(d, Refresh(board, CandidateRule(options)).verdict);
    }
    // An empty cell of a shared box, by its copy in the lower grid.
    CellRef EmptySharedCell() const {
        for (const SharedBox& box : SharedBoxes)
            for (int i = 0; i < 3; ++i)
                for (int y = 7; y <= 9; ++y)
                    if (board.Cell(box.primaryGrid, box.primaryX0 + i, y) == 0)
                        return {box.primaryGrid, box.primaryX0 + i, y};
        return {0, 0, 0};
    }
    EditStep Take(EditStep step) {
        RecordStep(history, step, options.ShowCandidates, options.ShowCandidates);
        DrawStepCells(d, step);
        return step;
    }
    // The screen as it is, then after the full redraw the partial one stands for: they must agree everywhere.
    void ExpectAsFullRedraw(const char* what, const Verdict* wholeBoard = nullptr) {
        const std::string drawn = PngOf(screen());
        if (wholeBoard) {
            RedrawCells(d, *wholeBoard);
        } else {
            DrawCandidates(d);
        }
        const std::string full = PngOf(screen());
        EXPECT_FALSE(drawn.empty());
        EXPECT_TRUE(drawn == full) << what;
    }

    History history;
};

TEST_F(StepMarks, ShownCandidatesAfterDigitsClearsUndoAndACheckpoint) {
    const CellRef shared = EmptySharedCell();
    ASSERT_NE(shared.k, 0);
    const std::optional<CellRef> partner = PartnerCell(shared.k, shared.x, shared.y);
    SetCheckpoint(board, history, true);
    Take(EnterDigit(board, shared, 4, Candidates::Computed));
    ExpectAsFullRedraw("digit in a shared cell");
    Take(EnterDigit(board, *partner, 4, Candidates::Computed));  // the same digit again: nothing changes
    ExpectAsFullRedraw("the same digit through the partner");
    Take(EnterDigit(board, {7, 5, 5}, 4, Candidates::Computed));  // a wrong digit: every mark goes
    ExpectAsFullRedraw("a digit that breaks the rules");
    Take(ClearCell(board, *partner, Candidates::Computed));
    ExpectAsFullRedraw("clear through the partner");
    for (int round = 0; round < 2; ++round) {
        bool shown = true;
        DrawStepCells(d, *UndoStep(board, history, shown));
        ExpectAsFullRedraw("undo");
        DrawStepCells(d, *RedoStep(board, history, shown));
        ExpectAsFullRedraw("redo");
        const EditStep back = *ReturnToCheckpoint(board, history, shown);
        RedrawStepCells(d, back);
        ExpectAsFullRedraw("checkpoint return", &back.verdict);
        DrawStepCells(d, *UndoStep(board, history, shown));
        ExpectAsFullRedraw("checkpoint return undone");
    }
}

TEST_F(StepMarks, NotesCoveredByAClearShowAtTheNextMarkStep) {
    options.ShowCandidates = false;
    RedrawCells(d, SetAllMarks(board, false, Candidates::AsMarked).verdict);
    const CellRef noted = EmptySharedCell();
    const std::optional<CellRef> partner = PartnerCell(noted.k, noted.x, noted.y);
    board.Mark(partner->k, partner->x, partner->y, 6) = true;  // the copies differ, as a loaded board's may
    DrawCandidates(d);
    Take(ToggleMark(board, noted, 2, Candidates::AsMarked));  // and are made equal
    ExpectAsFullRedraw("note in a shared cell");
    Take(EnterDigit(board, noted, 5, Candidates::AsMarked));
    Take(ClearCell(board, noted, Candidates::AsMarked));  // a white face over the note, which stays stored
    Take(ToggleMark(board, {9, 5, 5}, 7, Candidates::AsMarked));
    ExpectAsFullRedraw("the covered note shown again");
    bool shown = false;
    DrawStepCells(d, *UndoStep(board, history, shown));
    ExpectAsFullRedraw("note undone");
}

}  // namespace
}  // namespace drz::test
