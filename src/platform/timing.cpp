// Time, pause and beep.
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <chrono>

#include "platform/timing.h"

namespace drz::platform {

namespace {

std::atomic<int> beeps{0};

}  // namespace

double Timer() {
    using Clock = std::chrono::steady_clock;
    static const Clock::time_point start = Clock::now();  // safe to call from the clock thread too
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void Pause(int milliseconds) {
    if (milliseconds <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);  // painting and queued calls go on; input waits
}

void Beep() {
    ++beeps;
    QApplication::beep();
}

int BeepCount() { return beeps; }

}  // namespace drz::platform
