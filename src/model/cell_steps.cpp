// The steps on one cell: digits, clears, marks, givens. Both copies of a shared cell change together.
#include "board/board_ops.h"
#include "engine/place_digit.h"
#include "engine/rules.h"
#include "model/board_edit.h"
#include "model/step_recorder.h"

namespace drz {

namespace {

void PlaceGiven(Board& board, CellRef c, int digit) {
    const auto value = static_cast<std::uint8_t>(digit);
    PlaceDigit(board, c.k, c.x, c.y, digit);
    board.Given(c.k, c.x, c.y) = value;
    if (const auto partner = PartnerCell(c.k, c.x, c.y)) board.Given(partner->k, partner->x, partner->y) = value;
}

// Marks change beyond the cell's copies when they are computed, or when the shared cells' marks are merged.
CellStepRecorder Before(const Board& board, CellRef cell, Candidates candidates, bool merges = false) {
    return CellStepRecorder(board, cell, merges || candidates == Candidates::Computed);
}

}  // namespace

EditStep EnterDigit(Board& board, CellRef cell, int digit, Candidates candidates) {
    const CellStepRecorder before = Before(board, cell, candidates);
    PlaceDigit(board, cell.k, cell.x, cell.y, digit);
    return FinishStep(StepKind::EnterDigit, board, before, candidates);
}

EditStep ClearCell(Board& board, CellRef cell, Candidates candidates) {
    const CellStepRecorder before = Before(board, cell, candidates);
    PlaceDigit(board, cell.k, cell.x, cell.y, 0);
    return FinishStep(StepKind::ClearCell, board, before, candidates);
}

// The partner copy takes the flipped mark; marks present in only one copy of a shared cell go.
EditStep ToggleMark(Board& board, CellRef cell, int digit, Candidates candidates) {
    const CellStepRecorder before = Before(board, cell, candidates, true);
    bool& mark = board.Mark(cell.k, cell.x, cell.y, digit);
    mark = !mark;
    SyncSharedCandidates(board);
    MergeSharedCandidates(board);
    return FinishStep(StepKind::ToggleMark, board, before, candidates);
}

EditStep ClearMarks(Board& board, CellRef cell, Candidates candidates) {
    const CellStepRecorder before = Before(board, cell, candidates, true);
    for (int d = 1; d <= 9; ++d) board.Mark(cell.k, cell.x, cell.y, d) = false;
    MergeSharedCandidates(board);
    return FinishStep(StepKind::ClearMarks, board, before, candidates);
}

EditStep EnterGiven(Board& board, CellRef cell, int digit, Candidates candidates) {
    const CellStepRecorder before = Before(board, cell, candidates);
    PlaceGiven(board, cell, digit);
    return FinishStep(StepKind::EnterGiven, board, before, candidates);
}

EditStep RemoveGiven(Board& board, CellRef cell, Candidates candidates) {
    const CellStepRecorder before = Before(board, cell, candidates);
    PlaceGiven(board, cell, 0);
    return FinishStep(StepKind::RemoveGiven, board, before, candidates);
}

}  // namespace drz
