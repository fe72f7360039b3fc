// Font selection by code.
#include "display/board_view.h"
#include "display/font_codes.h"

namespace drz {

using platform::FontRequest;

FontRequest FontForCode(int code, bool largeFonts) {
    switch (code) {
        case kFontCandidate:
            return FontRequest::Logical("ARIAL", 10, 5, 200);
        case kFontPad:
            return FontRequest::Logical("ARIAL", 15, 8, 200);
        case kFontText:
            if (largeFonts) return FontRequest::Logical("ARIAL", 15, 8, 200);
            return FontRequest::Logical("Terminal", 12, 8, 400, true);
        case kFontDigit:
            return FontRequest::Logical("ARIAL", 25, 12, 500);
        case kFontCaption:
            return largeFonts ? FontRequest::Stock() : FontRequest::Named("Fixedsys", 9);
        default:
            return largeFonts ? FontRequest::Stock() : FontRequest::Named("System", 9.75);
    }
}

void UseFont(Display& d, int code) {
    const bool large = d.window.LargeFonts();
    d.screen.SetFont(FontForCode(code, large));
    if (SetsLargeFontFallback(code, large)) d.panels.LargeFontFallback = true;  // never reset
}

}  // namespace drz
