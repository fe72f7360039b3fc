// timing.h — time, pause and beep.
#pragma once

namespace drz::platform {

double Timer();                // seconds with fractions, monotonic; any thread
void Pause(int milliseconds);  // keeps the window painted, takes no input
void Beep();
int BeepCount();  // beeps so far in this run (tests)

}  // namespace drz::platform
