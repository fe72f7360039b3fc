// board_click.h — what a mouse button pressed on the board does in play and in own-board entry.
#pragma once

#include <optional>

#include "display/display.h"
#include "input/input_state.h"
#include "model/board_edit.h"
#include "platform/events.h"

namespace drz {

struct BoardClick {
    bool hitCell = false;          // the click lay on a cell (a given included)
    std::optional<EditStep> step;  // the step it made through the pad or the right button, if any
};

// A key on the cursor's cell: a digit 1..9 or 0 for a clear, or the pad opened over it (in notes mode).
struct CellKey {
    enum class Kind { Digit, Pad, NotesPad };
    Kind kind = Kind::Digit;
    int digit = 0;
};

// Play: the left button opens the pad over the cell, the right button opens it for candidate marks on an
// empty cell and clears a filled one at once; givens are untouchable.
BoardClick PlayBoardClick(Display& d, InputState& in, const platform::InputEvent& event);
// Own-board entry: the left button enters a given through the pad, the right button removes one.
BoardClick OwnBoardClick(Display& d, InputState& in, const platform::InputEvent& event);

// The same by key: a digit or a clear as the pad would make it, or the pad over the cell; givens untouchable.
BoardClick PlayCellKey(Display& d, InputState& in, CellRef cell, CellKey key);
// Own-board entry by key: a digit enters a given, a clear removes one, the pad enters one.
BoardClick OwnBoardCellKey(Display& d, InputState& in, CellRef cell, CellKey key);

}  // namespace drz
