// A board click in own-board entry: givens entered through the pad and removed by the right button.
#include "input/board_click.h"
#include "input/hit_test.h"
#include "input/picker_pad.h"

namespace drz {

namespace {

EditStep EnterGivenByPad(Display& d, InputState& in, CellRef cell) {
    DrawPickerPad(d, in, cell);
    const PadChoice choice = OpenPicker(d, in, cell);
    const Candidates rule = CandidateRule(d.options);
    if (choice.none) return Refresh(d.board, rule);
    if (choice.clear || choice.digit == 0) return RemoveGiven(d.board, cell, rule);
    return EnterGiven(d.board, cell, choice.digit, rule);
}

}  // namespace

BoardClick OwnBoardClick(Display& d, InputState& in, const platform::InputEvent& event) {
    const bool right = event.message == platform::kRightButtonDown;
    in.NotesMode = false;
    in.MouseX = event.x, in.MouseY = event.y;
    const std::optional<CellHit> hit = HitTest(in.MouseX, in.MouseY);
    if (!hit) return {};
    const CellRef cell{hit->grid, hit->column, hit->row};
    if (!right) return {true, EnterGivenByPad(d, in, cell)};
    if (d.board.Given(cell.k, cell.x, cell.y) == 0) return {true, std::nullopt};
    return {true, RemoveGiven(d.board, cell, CandidateRule(d.options))};
}

BoardClick OwnBoardCellKey(Display& d, InputState& in, CellRef cell, CellKey key) {
    in.NotesMode = false;
    if (key.kind != CellKey::Kind::Digit) return {true, EnterGivenByPad(d, in, cell)};
    const Candidates rule = CandidateRule(d.options);
    if (key.digit != 0) return {true, EnterGiven(d.board, cell, key.digit, rule)};
    if (d.board.Given(cell.k, cell.x, cell.y) == 0) return {true, std::nullopt};
    return {true, RemoveGiven(d.board, cell, rule)};
}

}  // namespace drz
