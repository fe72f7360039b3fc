// Clock texts: the running display, hours wrapping, the final time with its tenths.
#include "display/clock.h"

#include <gtest/gtest.h>

namespace drz {
namespace {

TEST(ClockText, RunningDisplayHasALeadingBlankAndTwoDigitFields) {
    EXPECT_EQ(RunningClockText(0), " 00:00:00");
    EXPECT_EQ(RunningClockText(3727), " 01:02:07");
    EXPECT_EQ(RunningClockText(3727.99), " 01:02:07");  // whole seconds are truncated
    EXPECT_EQ(RunningClockText(59.999), " 00:00:59");
    EXPECT_EQ(RunningClockText(60), " 00:01:00");
    EXPECT_EQ(RunningClockText(99 * 3600 + 59 * 60 + 59), " 99:59:59");
    EXPECT_EQ(RunningClockText(-0.4), " 00:00:00");
}

TEST(ClockText, HoursAbove99KeepTheirLastTwoDigits) {
    EXPECT_EQ(RunningClockText(100 * 3600), " 00:00:00");
    EXPECT_EQ(RunningClockText(123 * 3600 + 4 * 60 + 5), " 23:04:05");
    EXPECT_EQ(FinalClockTextFor(105 * 3600 + 1.25), "05:00:01.3");
}

TEST(ClockText, FinalTimeHasTenths) {
    EXPECT_EQ(FinalClockText(0, 41, 7.3), "00:41:07.3");
    EXPECT_EQ(FinalClockText(0, 0, 42), "00:00:42.0");
    EXPECT_EQ(FinalClockText(12, 5, 0.04), "12:05:00.0");
    EXPECT_EQ(FinalClockTextFor(41 * 60 + 7.3), "00:41:07.3");
    EXPECT_EQ(FinalClockTextFor(42.0), "00:00:42.0");
    EXPECT_EQ(FinalClockTextFor(42.04), "00:00:42.0");
    EXPECT_EQ(FinalClockTextFor(3600 + 120 + 7.26), "01:02:07.3");
}

TEST(ClockText, FinalTimeRoundingCarriesIntoMinutesAndHours) {
    // Rounding 59.96 s to a tenth gives a whole minute, never ":60.0".
    EXPECT_EQ(FinalClockTextFor(59.96), "00:01:00.0");
    EXPECT_EQ(FinalClockTextFor(3599.97), "01:00:00.0");
    EXPECT_EQ(FinalClockTextFor(59.94), "00:00:59.9");
}

}  // namespace
}  // namespace drz
