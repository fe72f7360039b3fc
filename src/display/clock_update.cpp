// The clock update on the user-interface thread, and the final time of a solved game.
#include <thread>

#include "display/clock.h"
#include "display/clock_elapsed.h"
#include "display/display.h"
#include "platform/window.h"

namespace drz {

namespace {

// Sets the label, and queues the same text behind any running time the clock thread has posted before, so
// that an older time cannot arrive after it. Waits for a post under way (a matter of microseconds).
void WriteClockText(Display& d, const std::string& text) {
    while (d.clock.PostsInFlight.load() != 0) std::this_thread::yield();
    d.window.SetClockText(text);
    d.window.PostClockText(text);
}

}  // namespace

std::string TakeFinalTimeAt(Display& d, double now) {
    ClockState& c = d.clock;
    const double elapsed = ElapsedAt(c, now);
    StoreElapsed(c, elapsed);
    c.SolveTime = FinalClockTextFor(elapsed);
    c.ClockRunning = false;
    WriteClockText(d, c.SolveTime);
    return c.SolveTime;
}

std::string TakeFinalTime(Display& d) { return TakeFinalTimeAt(d, platform::Timer()); }

void UpdateClockAt(Display& d, double now) {
    ClockState& c = d.clock;
    if (c.BoardSolved && c.ClockRunning) TakeFinalTimeAt(d, now);
    if (!c.ClockRunning) {
        c.LastTick = -1.0;
        WriteClockText(d, kClockIdleText);
        return;
    }
    const double elapsed = ElapsedAt(c, now);
    const double second = WholeSeconds(elapsed);
    if (second == c.LastTick) return;  // same second: the label keeps its text rather than flicker
    StoreElapsed(c, elapsed);
    c.LastTick = second;
    WriteClockText(d, RunningClockText(elapsed));
}

void UpdateClock(Display& d) { UpdateClockAt(d, platform::Timer()); }

void PauseClockAt(Display& d, double now) {
    ClockState& c = d.clock;
    if (!c.ClockRunning || c.Paused) return;
    c.PausedAt = now;
    c.Paused = true;  // from here on the clock thread posts nothing (it looks again after counting its post)
    c.LastTick = -1.0;
    UpdateClockAt(d, now);  // the running time of the pause's start, behind any post under way
}

void PauseClock(Display& d) { PauseClockAt(d, platform::Timer()); }

void ContinueClockAt(Display& d, double now) {
    ClockState& c = d.clock;
    if (!c.Paused) return;
    c.StartTime = c.StartTime + (now - c.PausedAt);  // before Paused is cleared: the thread reads it after
    c.Paused = false;
    c.LastTick = -1.0;
    UpdateClockAt(d, now);
}

void ContinueClock(Display& d) { ContinueClockAt(d, platform::Timer()); }

}  // namespace drz
