// A board click in the play loop.
#include "display/board_view.h"
#include "display/panels.h"
#include "input/board_click.h"
#include "input/hit_test.h"
#include "input/picker_pad.h"

namespace drz {

bool PlayBoardClick(Display& d, InputState& in, const platform::InputEvent& event) {
    const bool right = event.message == platform::kRightButtonDown;
    in.NotesMode = right;
    d.panels.CurrentGrid = 0;
    in.MouseX = event.x, in.MouseY = event.y;
    const std::optional<CellHit> hit = HitTest(in.MouseX, in.MouseY);
    if (!hit) return false;
    d.panels.CurrentGrid = static_cast<std::int16_t>(hit->grid);
    const int x = hit->column, y = hit->row;
    if (d.board.Given(hit->grid, x, y) != 0) return true;
    if (right && d.board.Cell(hit->grid, x, y) == 0) {
        DrawPickerPad(d, in, x, y);
        OpenPicker(d, in, x, y);
    } else if (right) {
        d.board.Cell(hit->grid, x, y) = 0;
        DrawCell(d, x, y, 0);
        if (d.options.ShowCandidates) RefreshCandidates(d);
        ShowDigitCounts(d);
    } else {
        DrawPickerPad(d, in, x, y);
        OpenPicker(d, in, x, y);
        ShowDigitCounts(d);
    }
    return true;
}

}  // namespace drz
