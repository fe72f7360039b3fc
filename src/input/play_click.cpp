// A board click in the play loop: the cell it hit, the pad, and the step the pad's choice makes.
#include "input/board_click.h"
#include "input/hit_test.h"
#include "input/picker_pad.h"

namespace drz {

namespace {

EditStep ChoiceStep(Display& d, const InputState& in, CellRef cell, PadChoice choice) {
    const Candidates rule = CandidateRule(d.options);
    if (choice.none) return Refresh(d.board, rule);
    if (!in.NotesMode)
        return choice.clear ? ClearCell(d.board, cell, rule) : EnterDigit(d.board, cell, choice.digit, rule);
    if (choice.clear) return ClearMarks(d.board, cell, rule);
    // Mark 0 is no candidate: that choice only closes the pad.
    return choice.digit != 0 ? ToggleMark(d.board, cell, choice.digit, rule) : Refresh(d.board, rule);
}

EditStep PadStep(Display& d, InputState& in, CellRef cell) {
    DrawPickerPad(d, in, cell);
    const PadChoice choice = OpenPicker(d, in, cell);
    return ChoiceStep(d, in, cell, choice);
}

}  // namespace

BoardClick PlayBoardClick(Display& d, InputState& in, const platform::InputEvent& event) {
    const bool right = event.message == platform::kRightButtonDown;
    in.NotesMode = right;
    in.MouseX = event.x, in.MouseY = event.y;
    const std::optional<CellHit> hit = HitTest(in.MouseX, in.MouseY);
    if (!hit) return {};
    const CellRef cell{hit->grid, hit->column, hit->row};
    if (d.board.Given(cell.k, cell.x, cell.y) != 0) return {true, std::nullopt};
    if (right && d.board.Cell(cell.k, cell.x, cell.y) != 0)
        return {true, ClearCell(d.board, cell, CandidateRule(d.options))};
    return {true, PadStep(d, in, cell)};
}

BoardClick PlayCellKey(Display& d, InputState& in, CellRef cell, CellKey key) {
    if (d.board.Given(cell.k, cell.x, cell.y) != 0) return {true, std::nullopt};
    in.NotesMode = key.kind == CellKey::Kind::NotesPad;
    if (key.kind == CellKey::Kind::Digit) return {true, ChoiceStep(d, in, cell, PadChoice{false, key.digit})};
    // Marks belong to empty cells: the notes pad does not open over an entry.
    if (in.NotesMode && d.board.Cell(cell.k, cell.x, cell.y) != 0) return {true, std::nullopt};
    return {true, PadStep(d, in, cell)};
}

}  // namespace drz
