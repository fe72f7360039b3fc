// board_click.h — what a mouse button pressed on the board does in play and in own-board entry.
#pragma once

#include "display/display.h"
#include "input/input_state.h"
#include "platform/events.h"

namespace drz {

// Play: the left button opens the pad over the cell, the right button opens it for candidate marks on an
// empty cell and clears a filled one at once; givens are untouchable. True when the click hit a cell.
bool PlayBoardClick(Display& d, InputState& in, const platform::InputEvent& event);
// Own-board entry: the left button enters a given through the pad, the right button removes one.
// True when the click hit a cell.
bool OwnBoardClick(Display& d, InputState& in, const platform::InputEvent& event);

}  // namespace drz
