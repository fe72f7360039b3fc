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

EditStep Aimed(EditStep step, CellRef cell) {
    step.cell = cell;
    return step;
}

}  // namespace

EditStep EnterDigit(Board& board, CellRef cell, int digit, Candidates candidates) {
    const StepRecorder before(board);
    PlaceDigit(board, cell.k, cell.x, cell.y, digit);
    return Aimed(FinishStep(StepKind::EnterDigit, board, before, candidates), cell);
}

EditStep ClearCell(Board& board, CellRef cell, Candidates candidates) {
    const StepRecorder before(board);
    PlaceDigit(board, cell.k, cell.x, cell.y, 0);
    return Aimed(FinishStep(StepKind::ClearCell, board, before, candidates), cell);
}

// The partner copy takes the flipped mark; marks present in only one copy of a shared cell go.
EditStep ToggleMark(Board& board, CellRef cell, int digit, Candidates candidates) {
    const StepRecorder before(board);
    bool& mark = board.Mark(cell.k, cell.x, cell.y, digit);
    mark = !mark;
    SyncSharedCandidates(board);
    MergeSharedCandidates(board);
    return Aimed(FinishStep(StepKind::ToggleMark, board, before, candidates), cell);
}

EditStep ClearMarks(Board& board, CellRef cell, Candidates candidates) {
    const StepRecorder before(board);
    for (int d = 1; d <= 9; ++d) board.Mark(cell.k, cell.x, cell.y, d) = false;
    MergeSharedCandidates(board);
    return Aimed(FinishStep(StepKind::ClearMarks, board, before, candidates), cell);
}

EditStep EnterGiven(Board& board, CellRef cell, int digit, Candidates candidates) {
    const StepRecorder before(board);
    PlaceGiven(board, cell, digit);
    return Aimed(FinishStep(StepKind::EnterGiven, board, before, candidates), cell);
}

EditStep RemoveGiven(Board& board, CellRef cell, Candidates candidates) {
    const StepRecorder before(board);
    PlaceGiven(board, cell, 0);
    return Aimed(FinishStep(StepKind::RemoveGiven, board, before, candidates), cell);
}

}  // namespace drz
