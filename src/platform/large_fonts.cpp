// The large-font decision: how many whole pixels a 12-point font takes at the screen's logical resolution.
#include <cmath>

#include "platform/large_fonts.h"

namespace drz::platform {

int TwelvePointPixels(double logicalDpi) { return static_cast<int>(std::floor(12.0 * logicalDpi / 72.0 + 1e-9)); }

bool LargeFontsAt(double logicalDpi) { return TwelvePointPixels(logicalDpi) > 16; }

}  // namespace drz::platform
