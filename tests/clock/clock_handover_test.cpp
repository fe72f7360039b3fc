// The clock thread beside UpdateClock on the user-interface thread: shared fields, and a stopped clock's text
// that no running time posted earlier can overwrite.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "board/board.h"
#include "display/clock.h"
#include "display/display.h"
#include "platform/window.h"
#include "support/display_scene.h"

namespace drz {
namespace {

using namespace std::chrono_literals;

struct Game : test::DisplayScene {
    Game() { CreateClockLabel(); }
};

TEST(ClockHandover, StoppedClockTextIsNotOverwrittenByQueuedTimes) {
    Game g;
    std::atomic<double> now{0.0};
    // Every poll is a new second, so the thread posts every 50 ms.
    ClockThread thread(
        g.clock, [&] { return now.fetch_add(1.0) + 1.0; },
        [&g](std::string text) { g.window.PostClockText(std::move(text)); });
    for (int round = 0; round < 5; ++round) {
        g.clock.LastTick = -1.0;
        g.clock.StartTime = now.load();
        g.clock.ClockRunning = true;
        thread.Start();
        std::this_thread::sleep_for(170ms);  // several posts wait in the queue, none delivered yet
        g.clock.ClockRunning = false;
        UpdateClock(g.d);
        EXPECT_EQ(g.window.ClockText(), " 99:99:99");
        thread.Join();
        platform::Pause(80);  // the queued texts are delivered now
        EXPECT_EQ(g.window.ClockText(), " 99:99:99") << "round " << round;
    }
}

TEST(ClockHandover, APausedClockKeepsItsTextAgainstQueuedTimesAndGoesOnAfter) {
    Game g;
    std::atomic<double> now{0.0};
    ClockThread thread(
        g.clock, [&] { return now.fetch_add(1.0) + 1.0; },
        [&g](std::string text) { g.window.PostClockText(std::move(text)); });
    g.clock.ClockRunning = true;
    thread.Start();
    std::this_thread::sleep_for(170ms);  // running times wait in the queue
    PauseClockAt(g.d, 3725.5);
    EXPECT_EQ(g.window.ClockText(), " 01:02:05");
    platform::Pause(150);  // the queued times are delivered; the thread polls on
    EXPECT_EQ(g.window.ClockText(), " 01:02:05");
    ContinueClockAt(g.d, now.load());
    platform::Pause(150);
    EXPECT_GT(g.window.ClockText(), " 01:02:05");
    g.clock.ClockRunning = false;
    thread.Join();
}

TEST(ClockHandover, UpdateClockAndTheThreadShareTheClockFields) {
    Game g;
    ClockThread thread(g.clock, platform::Timer, [&g](std::string text) { g.window.PostClockText(std::move(text)); });
    g.clock.StartTime = platform::Timer() - 0.9;
    g.clock.ClockRunning = true;
    UpdateClock(g.d);
    thread.Start();
    for (int i = 0; i < 30; ++i) {
        UpdateClock(g.d);
        platform::Pause(10);
    }
    EXPECT_EQ(g.window.ClockText(), " 00:00:01");
    g.clock.BoardSolved = true;
    UpdateClock(g.d);
    g.clock.BoardSolved = false;
    EXPECT_EQ(g.clock.SolveTime.substr(0, 7), "00:00:0");
    thread.Join();
    platform::Pause(60);
    EXPECT_EQ(g.window.ClockText(), " 99:99:99");
}

}  // namespace
}  // namespace drz
