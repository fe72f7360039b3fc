// clock.h — the game clock: its label text, the update on the user-interface thread and the clock thread.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>

#include "display/state.h"

namespace drz {

constexpr const char* kClockIdleText = " 99:99:99";

// " hh:mm:ss" while running, whole seconds truncated; each field is the last two characters of "0" + number,
// so hours above 99 show only their last two digits.
std::string RunningClockText(double elapsedSeconds);
// "hh:mm:ss.s" for the hall of fame; seconds written with one decimal, the last four characters of "0" + it.
std::string FinalClockText(int hours, int minutes, double seconds);
// The final time of an elapsed time: rounded to a tenth of a second first, so 59.96 s gives "00:01:00.0".
std::string FinalClockTextFor(double elapsedSeconds);

// Seconds the clock counts at a timer value: since StartTime, or up to the start of a pause while it lasts.
double ElapsedAt(const ClockState& clock, double now);
// The same right now, paused or not.
double ElapsedNow(const ClockState& clock);

struct Display;
// Writes the clock text (user-interface thread); when BoardSolved is set, takes the final time first. Within
// the same elapsed second as the last update the label keeps its text.
void UpdateClock(Display& d);
// The same at a given timer value (seconds, the clock's time base).
void UpdateClockAt(Display& d, double now);
// Stops the clock and shows its final time, "hh:mm:ss.s", on the label; returns it (also kept in SolveTime).
// The label keeps it until the next update, so the hall of fame can be recorded while it is shown.
std::string TakeFinalTime(Display& d);
std::string TakeFinalTimeAt(Display& d, double now);
// A pause stops the clock: the label keeps the running time of its start and the clock thread posts nothing.
// Going on moves StartTime by the paused span, so the pause is not counted.
void PauseClock(Display& d);
void PauseClockAt(Display& d, double now);
void ContinueClock(Display& d);
void ContinueClockAt(Display& d, double now);

// Runs the clock thread while ClockRunning is set. The label text is handed to postText, which must deliver
// it to the user-interface thread; the thread itself touches no widget. Polls every 50 ms.
class ClockThread {
public:
    using Timer = std::function<double()>;
    using PostText = std::function<void(std::string)>;
    ClockThread(ClockState& clock, Timer timer, PostText postText);
    ~ClockThread();  // stops the current run (ClockRunning is left as it is) and waits for it
    ClockThread(const ClockThread&) = delete;
    ClockThread& operator=(const ClockThread&) = delete;

    void Start();  // stops and joins a run still going, then starts a new one with a stop signal of its own
    void Stop();   // ends the current run at once and waits for it
    void Join();   // waits until the current run has seen ClockRunning false
    bool Running() const;

private:
    void Run(const std::stop_token& stop);
    void Tick();
    ClockState& clock_;
    Timer timer_;
    PostText postText_;
    std::mutex wakeMutex_;
    std::condition_variable_any wake_;
    std::atomic<bool> running_{false};
    std::jthread thread_;
};

}  // namespace drz
