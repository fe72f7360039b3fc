// Command-bar buttons and their engraved hot letters.
#include <string>

#include "display/board_view.h"
#include "display/drawing.h"
#include "display/font_codes.h"
#include "display/panels.h"
#include "platform/window.h"

namespace drz {

namespace {

// Characters of a UTF-8 text (continuation bytes are not counted).
int CharCount(std::string_view text) {
    int n = 0;
    for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

// Byte length of the UTF-8 character that starts at text[i].
std::size_t CharBytes(std::string_view text, std::size_t i) {
    std::size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
    return n;
}

struct SplitCaption {
    int hotPosition = 0;  // 1-based character position of "_", 0 without a hot letter
    std::string printed;  // the caption with "_" and the hot letter replaced by one blank
    std::string hot;
};

SplitCaption Split(std::string_view caption) {
    SplitCaption s;
    s.printed = std::string(caption);
    const std::size_t underscore = caption.find('_');
    if (underscore == std::string_view::npos || underscore + 1 >= caption.size()) return s;
    s.hotPosition = CharCount(caption.substr(0, underscore)) + 1;
    const std::size_t hotBytes = CharBytes(caption, underscore + 1);
    s.hot = std::string(caption.substr(underscore + 1, hotBytes));
    s.printed =
        std::string(caption.substr(0, underscore)) + " " + std::string(caption.substr(underscore + 1 + hotBytes));
    return s;
}

}  // namespace

void DrawButton(Display& d, int pressed, int x, int y, std::string_view caption) {
    const SplitCaption s = Split(caption);
    const int n = CharCount(caption) - 1;
    const int w = 8 * n + 18;
    const bool fallback = d.panels.LargeFontFallback;
    DrawFrame3D(d, pressed, 2, x, y, x + w, y + 25);
    d.screen.SetForeground(Colour(0));
    d.screen.BoxOutline(x - 1, y - 1, x + w, y + 25);
    const int tx = x + 4 * (n - 1 - CharCount(s.printed)) + 15 + (fallback ? 8 : 0);
    const int ty = y + 20;
    DrawLabel(d, kFontCaption, 0, tx, ty, s.printed);
    if (s.hotPosition != 0) {
        const int hx = tx + 8 * (s.hotPosition - 1) - (s.hotPosition == 1 ? 1 : 0) - (fallback ? 6 : 0);
        DrawHotLetter(d, 1, kFontCaption, hx, ty, s.hot);
    }
    LeaveDefaultState(d);
}

void DrawHotLetter(Display& d, int highlight, int fontCode, int x, int y, std::string_view text) {
    UseFont(d, fontCode);
    y -= 14;
    d.screen.SetMix(platform::MixMode::Copy);
    d.screen.SetForeground(Colour(15));
    TransparentText(d, x, y, text);
    d.screen.SetForeground(Colour(highlight != 0 ? 1 : 6));
    TransparentText(d, x - 1, y - 1, text);
    LeaveDefaultState(d);
}

}  // namespace drz
