// font_codes.h — the fonts the game names by a small code, with the large-font substitutes.
#pragma once

#include "platform/font.h"

namespace drz {

constexpr int kFontCandidate = 4;  // candidate marks
constexpr int kFontPad = 6;        // digits of the picker pad
constexpr int kFontText = 8;       // panel texts, status lines
constexpr int kFontCaption = 14;   // command-bar captions
constexpr int kFontTitle = 16;     // panel titles (any code without a font of its own)
constexpr int kFontDigit = 20;     // cell digits, status text, level name

// The font of a code; largeFonts is the window's large-font test.
platform::FontRequest FontForCode(int code, bool largeFonts);

// True when the code switches the display to the large-font text layout (code 8 on a large-font desktop).
constexpr bool SetsLargeFontFallback(int code, bool largeFonts) { return code == kFontText && largeFonts; }

}  // namespace drz
