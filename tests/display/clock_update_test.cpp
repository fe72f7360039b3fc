// The clock update on the user-interface thread: idle text, running text per second, the final time.
#include "display/clock.h"
#include "screen_fixture.h"

namespace drz::test {
namespace {

class ClockUpdate : public ScreenTest {
protected:
    void StartGame(double now) {
        clock.ClockRunning = true;
        clock.StartTime = now;
        clock.BoardSolved = false;
        clock.SolveTime = "X";
        UpdateClockAt(d, now);
    }
};

TEST_F(ClockUpdate, StoppedClockShowsTheIdleText) {
    window.SetClockText("probe");
    UpdateClockAt(d, 500.0);
    EXPECT_EQ(window.ClockText(), " 99:99:99");
    EXPECT_EQ(clock.LastTick.load(), -1.0);
}

TEST_F(ClockUpdate, StartedClockShowsZeroThenElapsedTime) {
    StartGame(1000.6);
    EXPECT_EQ(window.ClockText(), " 00:00:00");
    UpdateClockAt(d, 1000.6 + 3727.2);
    EXPECT_EQ(window.ClockText(), " 01:02:07");
    EXPECT_EQ(clock.Hours.load(), 1);
    EXPECT_EQ(clock.Minutes.load(), 2);
    EXPECT_NEAR(clock.Elapsed.load(), 7.2, 1e-6);
    EXPECT_EQ(clock.LastTick.load(), 3727.0);
}

TEST_F(ClockUpdate, WithinTheSameSecondTheLabelKeepsItsText) {
    StartGame(10.0);
    UpdateClockAt(d, 15.1);
    window.SetClockText("kept");
    UpdateClockAt(d, 15.9);
    EXPECT_EQ(window.ClockText(), "kept");
    UpdateClockAt(d, 16.0);
    EXPECT_EQ(window.ClockText(), " 00:00:06");
}

TEST_F(ClockUpdate, ANewGameAfterAStopStartsFromZero) {
    StartGame(10.0);
    clock.ClockRunning = false;
    UpdateClockAt(d, 10.5);
    StartGame(10.7);  // the same elapsed second as the last update of the game before
    EXPECT_EQ(window.ClockText(), " 00:00:00");
}

// The final time stays on the label until the next update, so the hall of fame is recorded while it shows.
TEST_F(ClockUpdate, TheFinalTimeIsReturnedAndShownUntilTheNextUpdate) {
    StartGame(100.0);
    EXPECT_EQ(TakeFinalTimeAt(d, 100.0 + 41 * 60 + 7.3), "00:41:07.3");
    EXPECT_EQ(window.ClockText(), "00:41:07.3");
    EXPECT_EQ(clock.SolveTime, "00:41:07.3");
    EXPECT_FALSE(clock.ClockRunning);
    UpdateClockAt(d, 9999.0);
    EXPECT_EQ(window.ClockText(), " 99:99:99");
    EXPECT_EQ(clock.SolveTime, "00:41:07.3");
}

TEST_F(ClockUpdate, FinalTimeIsTakenNowNotAtTheLastWholeSecond) {
    StartGame(0.0);
    UpdateClockAt(d, 42.01);  // the last running update
    clock.BoardSolved = true;
    UpdateClockAt(d, 42.84);
    clock.BoardSolved = false;
    EXPECT_EQ(clock.SolveTime, "00:00:42.8");
}

TEST_F(ClockUpdate, SolvedFlagWithoutARunningClockTakesNoTime) {
    clock.SolveTime = "X";
    clock.BoardSolved = true;
    UpdateClockAt(d, 50.0);
    clock.BoardSolved = false;
    EXPECT_EQ(clock.SolveTime, "X");
    EXPECT_EQ(window.ClockText(), " 99:99:99");
}

TEST_F(ClockUpdate, SolvedWithoutAHallOfFameStillStops) {
    StartGame(0.0);
    clock.BoardSolved = true;
    UpdateClockAt(d, 12.34);
    clock.BoardSolved = false;
    EXPECT_EQ(clock.SolveTime, "00:00:12.3");
    EXPECT_FALSE(clock.ClockRunning);
}

// A pause stops the clock at the running time of its start; going on, the paused span is not counted.
TEST_F(ClockUpdate, APauseStandsStillAndIsNotCounted) {
    StartGame(100.0);
    PauseClockAt(d, 112.7);
    EXPECT_EQ(window.ClockText(), " 00:00:12");
    UpdateClockAt(d, 500.0);
    EXPECT_EQ(window.ClockText(), " 00:00:12");
    EXPECT_DOUBLE_EQ(ElapsedAt(clock, 500.0), 12.7);
    PauseClockAt(d, 510.0);  // paused already: the start of the pause stays
    ContinueClockAt(d, 600.0);
    EXPECT_NEAR(ElapsedAt(clock, 605.0), 17.7, 1e-9);
    UpdateClockAt(d, 605.0);
    EXPECT_EQ(window.ClockText(), " 00:00:17");
    EXPECT_EQ(TakeFinalTimeAt(d, 610.0), "00:00:22.7");
    ContinueClockAt(d, 700.0);  // not paused: nothing moves
    EXPECT_NEAR(ElapsedAt(clock, 700.0), 112.7, 1e-9);
    EXPECT_FALSE(clock.ClockRunning);
}

TEST_F(ClockUpdate, UpdateClockUsesTheMonotonicTimer) {
    StartGame(platform::Timer() - 65.5);
    UpdateClock(d);
    EXPECT_EQ(window.ClockText(), " 00:01:05");
    clock.ClockRunning = false;
    UpdateClock(d);
    EXPECT_EQ(window.ClockText(), " 99:99:99");
}

}  // namespace
}  // namespace drz::test
