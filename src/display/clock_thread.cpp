// The clock thread: every 50 ms, a new elapsed second is posted to the user-interface thread as label text.
#include <chrono>

#include "display/clock.h"
#include "display/clock_elapsed.h"

namespace drz {

ClockThread::ClockThread(ClockState& clock, Timer timer, PostText postText)
    : clock_(clock), timer_(std::move(timer)), postText_(std::move(postText)) {}

ClockThread::~ClockThread() { Stop(); }

void ClockThread::Start() {
    Stop();
    running_ = true;
    thread_ = std::jthread([this](const std::stop_token& stop) { Run(stop); });
}

void ClockThread::Stop() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
    running_ = false;
}

void ClockThread::Join() {
    if (thread_.joinable()) thread_.join();
}

bool ClockThread::Running() const { return running_; }

void ClockThread::Run(const std::stop_token& stop) {
    do {
        {
            std::unique_lock lock(wakeMutex_);
            wake_.wait_for(lock, stop, std::chrono::milliseconds(50), [] { return false; });
        }
        if (stop.stop_requested()) break;
        Tick();
    } while (clock_.ClockRunning);
    running_ = false;
}

void ClockThread::Tick() {
    if (clock_.PadBusy || !clock_.ClockRunning || clock_.Paused) return;
    const double elapsed = timer_() - clock_.StartTime;
    const double second = WholeSeconds(elapsed);
    if (second == clock_.LastTick) return;
    StoreElapsed(clock_, elapsed);
    clock_.LastTick = second;
    // Counted so that a stopped clock's text is written only after this post has been queued (see UpdateClock).
    clock_.PostsInFlight.fetch_add(1);
    if (clock_.ClockRunning && !clock_.BoardSolved && !clock_.Paused) postText_(RunningClockText(elapsed));
    clock_.PostsInFlight.fetch_sub(1);
}

}  // namespace drz
