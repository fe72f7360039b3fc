// display.h — the context every drawing operation works in: the window and screen, the board, options, panels, clock.
#pragma once

#include "board/board.h"
#include "display/state.h"
#include "platform/canvas.h"
#include "platform/window.h"

namespace drz {

struct Display {
    platform::MainWindow& window;
    platform::Canvas& screen;
    Board& board;
    Options& options;
    PanelState& panels;
    ClockState& clock;
};

}  // namespace drz
