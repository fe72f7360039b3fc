// clock.h — the game clock: its label text, the update on the user-interface thread and the clock thread.
#pragma once

#include <functional>
#include <string>
#include <thread>

#include "display/state.h"

namespace drz {

constexpr const char* kClockIdleText = " 99:99:99";

// " hh:mm:ss" while running; each field is the last two characters of "0" + number.
std::string RunningClockText(double elapsedSeconds);
// "hh:mm:ss.s" for the hall of fame.
std::string FinalClockText(int hours, int minutes, double seconds);

struct Display;
// Writes the clock text; when BoardSolved is set, takes the final time, stops the clock and records it.
void UpdateClock(Display& d);

// Runs the clock thread while ClockRunning is set. The label text is handed to postText, which must deliver
// it to the user-interface thread. Polls every 50 ms.
class ClockThread {
public:
    using Timer = std::function<double()>;
    using PostText = std::function<void(std::string)>;
    ClockThread(ClockState& clock, Timer timer, PostText postText);
    ~ClockThread();  // waits for the thread to end (clears nothing: callers stop the clock first)

    void Start();    // no effect while a thread still runs
    void Join();     // returns once the thread has seen ClockRunning false
    bool Running() const;

private:
    void Run();
    ClockState& clock_;
    Timer timer_;
    PostText postText_;
    std::thread thread_;
};

}  // namespace drz
