// display_scene.h — what the screen tests and benchmarks draw on: a main window, a board and the display
// context the game builds around them.
#pragma once

#include "board/board.h"
#include "display/clock.h"
#include "display/display.h"
#include "platform/window.h"

namespace drz::test {

struct DisplayScene {
    // The window at the game's place and size (tests that only draw leave it closed).
    void OpenWindow() { window.Open(0, 0, 1478, 963); }
    // The clock's label where the game puts it, showing the idle time.
    void CreateClockLabel() {
        window.CreateClockLabel(1235, 831, 160, 30, kClockIdleText, "Arial", 24, {255, 255, 255});
    }

    platform::MainWindow window;
    Board board;
    Options options;
    PanelState panels;
    ClockState clock;
    Display d{window, window.Screen(), board, options, panels, clock};
};

}  // namespace drz::test
