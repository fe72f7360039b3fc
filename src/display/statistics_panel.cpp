// The statistics panel (how often each digit stands on the board) and the status panel: both draw a verdict.
#include "display/board_view.h"
#include "display/drawing.h"
#include "display/font_codes.h"
#include "display/panel_layout.h"
#include "display/panels.h"

namespace drz {

namespace {

constexpr int kStatX = 1153;
constexpr int kStatY = 279;

constexpr int DigitColumnX(int v) { return kStatX + 79 + 24 * (v - 1); }

void DrawDigitHeader(Display& d) {
    for (int v = 1; v <= 9; ++v) {
        int x = DigitColumnX(v) + 8;
        if (d.panels.LargeFontFallback) x = DigitColumnX(v) + (!d.options.ShowNumerals && v == 9 ? 4 : 0);
        OpaqueText(d, x, kStatY + 32, DigitGlyph(d.options, v));
        OpaqueText(d, DigitColumnX(v), kStatY + 52, RightAligned(0, 2));
    }
}

}  // namespace

void DrawStatisticsPanel(Display& d, const Verdict& verdict) {
    DrawPanelFrame(d, kStatisticsPanel);
    UseFont(d, kFontText);
    OpaqueText(d, kStatX + 16, kStatY + 32, d.options.ShowNumerals ? "Zahlen" : "Ziffer");
    OpaqueText(d, kStatX + 16, kStatY + 52, "Anzahl");
    DrawDigitHeader(d);
    d.screen.Line(kStatX + 12, kStatY + 46, kStatX + 294, kStatY + 46);
    d.screen.Line(kStatX + 69, kStatY + 28, kStatX + 69, kStatY + 67);
    ShowDigitCounts(d, verdict);
    DrawStatusPanel(d, verdict);
}

void ShowDigitCounts(Display& d, const Verdict& verdict) {
    UseFont(d, kFontText);
    const int x0 = d.panels.LargeFontFallback ? 1196 : 1200;
    for (int v = 1; v <= 9; ++v) OpaqueText(d, x0 + 24 * v, 331, RightAligned(verdict.counts[v], 3));
    ShowBoardStatus(d, verdict);
}

void DrawStatusPanel(Display& d, const Verdict& verdict) {
    DrawPanelFrame(d, kStatusPanel);
    ShowBoardStatus(d, verdict);
}

void ShowBoardStatus(Display& d, const Verdict& verdict) {
    d.panels.StatusText = StatusTextOf(verdict);
    UseFont(d, kFontDigit);
    ReplaceLine(d, 1232, 446, kStatusPanel.field.x2 - 1, 25, d.panels.StatusText);
}

}  // namespace drz
