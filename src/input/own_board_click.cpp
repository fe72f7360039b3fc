// A board click in own-board entry: givens entered through the pad and removed by the right button.
#include "display/board_view.h"
#include "display/panels.h"
#include "input/board_click.h"
#include "input/hit_test.h"
#include "input/picker_pad.h"

namespace drz {

namespace {

void RemoveGiven(Display& d, int x, int y) {
    const int k = d.panels.CurrentGrid;
    d.board.Cell(k, x, y) = 0;
    d.board.Given(k, x, y) = 0;
    DrawCell(d, x, y, 0);
    if (d.options.ShowCandidates) RefreshCandidates(d);
}

void EnterGiven(Display& d, InputState& in, int x, int y) {
    DrawPickerPad(d, in, x, y);
    OpenPicker(d, in, x, y);
    const int k = d.panels.CurrentGrid;
    if (in.RightButtonClear || d.board.Cell(k, x, y) == 0) {
        RemoveGiven(d, x, y);
    } else if (in.HoverDigit != 0) {
        DrawGivenCell(d, x, y, in.HoverDigit);
    }
}

}  // namespace

bool OwnBoardClick(Display& d, InputState& in, const platform::InputEvent& event) {
    const bool right = event.message == platform::kRightButtonDown;
    in.NotesMode = false;
    d.panels.CurrentGrid = 0;
    in.MouseX = event.x, in.MouseY = event.y;
    const std::optional<CellHit> hit = HitTest(in.MouseX, in.MouseY);
    if (!hit) return false;
    d.panels.CurrentGrid = static_cast<std::int16_t>(hit->grid);
    if (right) {
        if (d.board.Given(hit->grid, hit->column, hit->row) != 0) RemoveGiven(d, hit->column, hit->row);
    } else {
        EnterGiven(d, in, hit->column, hit->row);
    }
    ShowDigitCounts(d);
    ShowGivenCount(d);
    return true;
}

}  // namespace drz
