// large_fonts.h — the large-font decision for a screen of a given logical resolution (dots per inch).
#pragma once

namespace drz::platform {

// The whole pixels of a 12-point font there (16 at 96 dpi, 20 at 120 dpi); large when above 16.
int TwelvePointPixels(double logicalDpi);
bool LargeFontsAt(double logicalDpi);

}  // namespace drz::platform
