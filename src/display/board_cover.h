// board_cover.h — the board hidden while a game is paused, and shown again exactly as it was.
#pragma once

#include <string>
#include <string_view>

#include "display/display.h"
#include "platform/canvas.h"

namespace drz {

// What a cover hides: the board and the help panel's field as they were, and the help text.
struct CoveredBoard {
    platform::Picture board;
    platform::Picture help;
    std::string helpText;
};

// Covers the thirteen grids with the window's background, so that no digit, mark or line of them shows, and
// writes `helpText` in the help panel.
CoveredBoard CoverBoard(Display& d, std::string_view helpText);
// Puts the board and the help panel back pixel for pixel, with the help text they showed.
void UncoverBoard(Display& d, const CoveredBoard& covered);

}  // namespace drz
