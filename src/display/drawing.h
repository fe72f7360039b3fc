// drawing.h — the drawing state every display operation starts from and leaves behind, and text helpers.
#pragma once

#include <string>
#include <string_view>

#include "display/display.h"
#include "display/palette.h"

namespace drz {

inline platform::Rgb Colour(int index) { return Palette[static_cast<std::size_t>(index & 15)]; }

// Foreground and fill colour by palette index.
void SetColours(Display& d, int foreground, int fill);

// Black text on white, opaque text background, copy mix, line width 1: what every operation leaves.
void LeaveDefaultState(Display& d);

// Text with a transparent background in the current foreground colour; the background is opaque again afterwards.
void TransparentText(Display& d, int x, int y, std::string_view text);

// Black on white, opaque: a value written over what was there.
void OpaqueText(Display& d, int x, int y, std::string_view text);

// Whitens a text line of height `height` from x up to and including right, then writes the text opaque.
// Keeps a shorter proportional text from leaving pieces of a longer one behind.
void ReplaceLine(Display& d, int x, int y, int right, int height, std::string_view text);

// The number right-aligned in `width` characters (as the panels print counts).
std::string RightAligned(int value, int width);

}  // namespace drz
