#include "display/clock_elapsed.h"

#include <cmath>

#include "display/clock.h"
#include "platform/timing.h"

namespace drz {

double WholeSeconds(double elapsedSeconds) { return elapsedSeconds > 0 ? std::floor(elapsedSeconds) : 0.0; }

double ElapsedAt(const ClockState& clock, double now) {
    return (clock.Paused ? clock.PausedAt.load() : now) - clock.StartTime;
}

double ElapsedNow(const ClockState& clock) { return ElapsedAt(clock, platform::Timer()); }

void StoreElapsed(ClockState& clock, double elapsedSeconds) {
    const long long total = static_cast<long long>(WholeSeconds(elapsedSeconds));
    const long long hours = total / 3600;
    const long long minutes = total / 60 % 60;
    clock.Hours = static_cast<std::int32_t>(hours);
    clock.Minutes = static_cast<std::int32_t>(minutes);
    clock.Elapsed = elapsedSeconds - 3600.0 * static_cast<double>(hours) - 60.0 * static_cast<double>(minutes);
}

}  // namespace drz
