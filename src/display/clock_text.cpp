// The texts the clock label shows.
#include <cmath>
#include <cstdio>

#include "display/clock.h"

namespace drz {

namespace {

// The last `width` characters of "0" + text.
std::string LastOf(const std::string& text, std::size_t width) {
    const std::string padded = "0" + text;
    return padded.size() <= width ? padded : padded.substr(padded.size() - width);
}

std::string TwoDigits(long long value) { return LastOf(std::to_string(value), 2); }

}  // namespace

std::string RunningClockText(double elapsedSeconds) {
    const long long total = elapsedSeconds > 0 ? static_cast<long long>(std::floor(elapsedSeconds)) : 0;
    return " " + TwoDigits(total / 3600) + ":" + TwoDigits(total / 60 % 60) + ":" + TwoDigits(total % 60);
}

std::string FinalClockText(int hours, int minutes, double seconds) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", seconds);
    return TwoDigits(hours) + ":" + TwoDigits(minutes) + ":" + LastOf(buffer, 4);
}

std::string FinalClockTextFor(double elapsedSeconds) {
    const long long tenths = elapsedSeconds > 0 ? std::llround(elapsedSeconds * 10) : 0;
    const int hours = static_cast<int>(tenths / 36000);
    const int minutes = static_cast<int>(tenths / 600 % 60);
    return FinalClockText(hours, minutes, static_cast<double>(tenths % 600) / 10.0);
}

}  // namespace drz
