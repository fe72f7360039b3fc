// clock_elapsed.h — splitting an elapsed time into the clock's shared hours, minutes and seconds.
#pragma once

#include "display/state.h"

namespace drz {

// Whole seconds of an elapsed time, truncated; never negative.
double WholeSeconds(double elapsedSeconds);

// Stores hours, minutes and the seconds left over in the clock's shared fields.
void StoreElapsed(ClockState& clock, double elapsedSeconds);

}  // namespace drz
