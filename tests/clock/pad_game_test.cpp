// A game with the picker pad in use while the clock thread runs: pad openings, hover redraws and digits on the
// user-interface thread, running times posted beside them (the thread-sanitizer run covers this).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>

#include "board/board.h"
#include "display/cell_geometry.h"
#include "display/clock.h"
#include "display/display.h"
#include "input/board_click.h"
#include "input/picker_pad.h"
#include "platform/window.h"
#include "support/display_scene.h"

namespace drz {
namespace {

TEST(ClockWithPad, PadDrawsAndDigitsBesideTheRunningClock) {
    test::DisplayScene s;
    s.OpenWindow();
    s.CreateClockLabel();
    auto& [window, board, options, panels, clock, d] = s;
    InputState in;
    window.SetMouseMoveHandler([&](int x, int y) { PointerMoved(d, in, x, y); });
    // A clock twenty times too fast, so a new second begins every 50 ms poll.
    ClockThread thread{clock, [] { return 20.0 * platform::Timer(); },
                       [&](std::string text) { window.PostClockText(std::move(text)); }};
    clock.StartTime = 20.0 * platform::Timer();
    clock.ClockRunning = true;
    thread.Start();

    const double end = platform::Timer() + 1.0;
    int openings = 0;
    while (platform::Timer() < end) {
        const int k = 1 + openings % 13, x = 1 + openings % 9, y = 1 + (openings / 9) % 9;
        const int left = CellLeft(k, x) - 8, top = CellTop(k, y) - 8;
        for (int n = 1; n <= 9; ++n) window.PostMove(left + 15 * ((n - 1) % 3) + 7, top + 15 * ((n - 1) / 3) + 7);
        window.PostInput({platform::kChar, '0' + 1 + openings % 9, 0, 0});
        ASSERT_TRUE(
            PlayBoardClick(d, in, {platform::kLeftButtonDown, 1, CellLeft(k, x) + 5, CellTop(k, y) + 5}).hitCell);
        EXPECT_EQ(board.Cell(k, x, y), 1 + openings % 9);
        EXPECT_FALSE(clock.PadBusy);
        QCoreApplication::processEvents();
        ++openings;
    }
    clock.ClockRunning = false;
    thread.Join();
    QCoreApplication::processEvents();
    EXPECT_GT(openings, 10);
    EXPECT_NE(window.ClockText(), kClockIdleText);  // running times reached the label meanwhile
}

}  // namespace
}  // namespace drz
