// The clock thread: label texts posted per new second, stopping, restarting, and delivery to a real label.
#include "display/clock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/window.h"

namespace drz {
namespace {

using namespace std::chrono_literals;

// A timer the test moves by hand, and a record of what the thread posted (and from which thread).
struct Harness {
    ClockState clock;
    std::atomic<double> now{0.0};
    std::atomic<int> polls{0};  // timer reads by the thread
    std::mutex mutex;
    std::vector<std::string> posted;
    std::vector<std::thread::id> posters;
    ClockThread thread{clock,
                       [this] {
                           ++polls;
                           return now.load();
                       },
                       [this](std::string text) {
                           std::lock_guard lock(mutex);
                           posted.push_back(std::move(text));
                           posters.push_back(std::this_thread::get_id());
                       }};

    std::size_t Count() {
        std::lock_guard lock(mutex);
        return posted.size();
    }
    std::string Last() {
        std::lock_guard lock(mutex);
        return posted.empty() ? std::string() : posted.back();
    }
    // Waits until `n` texts have been posted; false after two seconds.
    bool WaitFor(std::size_t n) {
        for (int i = 0; i < 400 && Count() < n; ++i) std::this_thread::sleep_for(5ms);
        return Count() >= n;
    }
    void StartGame(double start) {
        clock.StartTime = start;
        now = start;
        clock.BoardSolved = false;
        clock.ClockRunning = true;
        thread.Start();
    }
};

TEST(ClockThread, PostsTheRunningTextAtEveryNewSecond) {
    Harness h;
    h.StartGame(100.25);
    ASSERT_TRUE(h.WaitFor(1));
    EXPECT_EQ(h.Last(), " 00:00:00");
    h.now = 101.3;
    ASSERT_TRUE(h.WaitFor(2));
    EXPECT_EQ(h.Last(), " 00:00:01");
    h.now = 100.25 + 3727.5;
    ASSERT_TRUE(h.WaitFor(3));
    EXPECT_EQ(h.Last(), " 01:02:07");
    EXPECT_EQ(h.clock.Hours.load(), 1);
    EXPECT_EQ(h.clock.Minutes.load(), 2);
    // Within the same second nothing more is posted.
    std::this_thread::sleep_for(150ms);
    EXPECT_EQ(h.Count(), 3u);
    h.clock.ClockRunning = false;
    h.thread.Join();
}

TEST(ClockThread, EndsSoonAfterTheClockStops) {
    Harness h;
    h.StartGame(0.0);
    ASSERT_TRUE(h.WaitFor(1));
    EXPECT_TRUE(h.thread.Running());
    const auto stopped = std::chrono::steady_clock::now();
    h.clock.ClockRunning = false;
    while (h.thread.Running() && std::chrono::steady_clock::now() - stopped < 1s) std::this_thread::sleep_for(2ms);
    EXPECT_FALSE(h.thread.Running());
    EXPECT_LT(std::chrono::steady_clock::now() - stopped, 100ms);
    h.thread.Join();
    const std::size_t count = h.Count();
    h.now = 50.0;
    std::this_thread::sleep_for(120ms);
    EXPECT_EQ(h.Count(), count);
}

TEST(ClockThread, RestartsAfterAnEndedRun) {
    Harness h;
    h.StartGame(0.0);
    ASSERT_TRUE(h.WaitFor(1));
    h.clock.ClockRunning = false;
    h.thread.Join();
    h.clock.LastTick = -1.0;
    h.StartGame(20.0);
    h.now = 23.5;
    ASSERT_TRUE(h.WaitFor(2));
    EXPECT_EQ(h.Last(), " 00:00:03");
    h.clock.ClockRunning = false;
    h.thread.Join();
}

TEST(ClockThread, StartingWhileARunGoesOnLeavesOneWriter) {
    Harness h;
    h.StartGame(0.0);
    ASSERT_TRUE(h.WaitFor(1));
    h.thread.Start();  // the game loop entered again before the old run saw the clock stop
    EXPECT_TRUE(h.thread.Running());
    // One run polls the timer about every 50 ms; two would poll twice as often.
    const int polls = h.polls;
    std::this_thread::sleep_for(500ms);
    EXPECT_LE(h.polls - polls, 13);
    EXPECT_GE(h.polls - polls, 3);
    std::size_t before = h.Count();
    for (int second = 1; second <= 5; ++second) {
        h.now = second + 0.5;
        ASSERT_TRUE(h.WaitFor(before + 1));
        std::this_thread::sleep_for(60ms);
        before = h.Count();
    }
    std::lock_guard lock(h.mutex);
    for (std::size_t i = 2; i < h.posters.size(); ++i) EXPECT_EQ(h.posters[i], h.posters[1]) << i;
    EXPECT_EQ(h.posted.back(), " 00:00:05");
    EXPECT_EQ(h.posted.size(), 6u);  // one text per second
    h.clock.ClockRunning = false;
}

TEST(ClockThread, StopEndsARunAtOnceAndLeavesTheFlag) {
    Harness h;
    h.StartGame(0.0);
    ASSERT_TRUE(h.WaitFor(1));
    const auto asked = std::chrono::steady_clock::now();
    h.thread.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 40ms);
    EXPECT_FALSE(h.thread.Running());
    EXPECT_TRUE(h.clock.ClockRunning);
    h.clock.ClockRunning = false;
}

TEST(ClockThread, PadSolvedAndPausedFlagsKeepTheLabelAlone) {
    Harness h;
    h.StartGame(0.0);
    ASSERT_TRUE(h.WaitFor(1));
    h.clock.PadBusy = true;
    h.now = 2.5;
    std::this_thread::sleep_for(150ms);
    EXPECT_EQ(h.Count(), 1u);
    h.clock.PadBusy = false;
    ASSERT_TRUE(h.WaitFor(2));
    EXPECT_EQ(h.Last(), " 00:00:02");
    h.clock.BoardSolved = true;
    h.now = 3.5;
    std::this_thread::sleep_for(150ms);
    EXPECT_EQ(h.Count(), 2u);
    h.clock.BoardSolved = false;
    h.clock.Paused = true;
    h.now = 4.5;
    std::this_thread::sleep_for(150ms);
    EXPECT_EQ(h.Count(), 2u);
    h.clock.ClockRunning = false;
}

TEST(ClockThread, DestructorStopsARunningThread) {
    const auto begun = std::chrono::steady_clock::now();
    {
        Harness h;
        h.StartGame(0.0);
        ASSERT_TRUE(h.WaitFor(1));
    }  // ClockRunning still set: the destructor ends the run by its own signal
    EXPECT_LT(std::chrono::steady_clock::now() - begun, 1s);
}

// Waits for posted calls to be delivered on this (the user-interface) thread.
void PumpUntil(const platform::MainWindow& window, const std::string& text) {
    for (int i = 0; i < 100 && window.ClockText() != text; ++i) platform::Pause(20);
}

TEST(ClockThread, TextsReachTheWindowLabelThroughItsQueue) {
    platform::MainWindow window;
    window.CreateClockLabel(1235, 831, 160, 30, kClockIdleText, "Arial", 24, {255, 255, 255});
    ClockState clock;
    std::atomic<double> now{7.0};
    ClockThread thread(
        clock, [&] { return now.load(); }, [&window](std::string text) { window.PostClockText(std::move(text)); });
    clock.StartTime = 7.0;
    clock.ClockRunning = true;
    thread.Start();
    now = 8.2;
    PumpUntil(window, " 00:00:01");
    EXPECT_EQ(window.ClockText(), " 00:00:01");
    now = 7.0 + 62.0;
    PumpUntil(window, " 00:01:02");
    EXPECT_EQ(window.ClockText(), " 00:01:02");
    clock.ClockRunning = false;
    thread.Join();
}

}  // namespace
}  // namespace drz
