// Bevelled frames and engraved labels.
#include "display/board_view.h"
#include "display/drawing.h"
#include "display/font_codes.h"

namespace drz {

void DrawFrame3D(Display& d, int sunken, int thickness, int x1, int y1, int x2, int y2) {
    platform::Canvas& s = d.screen;
    s.SetLineWidth(1);
    s.SetMix(platform::MixMode::Copy);
    const int last = thickness - sunken;
    s.SetForeground(Colour(sunken != 0 ? 8 : 15));
    for (int i = 0; i <= last; ++i) {
        s.Line(x1 + i, y1 + i, x2, y1 + i);
        s.Line(x1 + i, y1 + i, x1 + i, y2);
    }
    s.SetForeground(Colour(sunken != 0 ? 15 : 8));
    for (int i = 0; i <= last; ++i) {
        s.Line(x1 + i, y2 - i, x2 + 1, y2 - i);
        s.Line(x2 - i, y1 + i, x2 - i, y2);
    }
    s.SetForeground(Colour(0));
}

void DrawLabel(Display& d, int fontCode, int colour, int x, int y, std::string_view text) {
    UseFont(d, fontCode);
    if (d.panels.LargeFontFallback && fontCode == kFontCaption) x += 21;
    y -= 14;
    d.screen.SetMix(platform::MixMode::Copy);
    d.screen.SetForeground(Colour(15));
    TransparentText(d, x, y, text);
    d.screen.SetForeground(Colour(colour));
    TransparentText(d, x - 1, y - 1, text);
    SetColours(d, 0, 7);
    d.screen.SetOpaqueText(true);
    UseFont(d, kFontText);
}

}  // namespace drz
