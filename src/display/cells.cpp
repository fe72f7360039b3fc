// Cell faces: givens on light grey, entries on white, as numerals or letters; the whole-board redraw.
#include "board/board.h"
#include "display/board_view.h"
#include "display/cell_geometry.h"
#include "display/drawing.h"
#include "display/font_codes.h"
#include "display/panels.h"

namespace drz {

namespace {

constexpr std::string_view kNumerals[10] = {"", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr std::string_view kLetters[10] = {"", "A", "B", "C", "D", "E", "F", "G", "H", "I"};

// RedrawCells leaves CurrentGrid at 14: then no grid is addressed and nothing is drawn or stored.
bool GridAddressed(const Display& d) { return d.panels.CurrentGrid >= 1 && d.panels.CurrentGrid <= kGridCount; }

void DrawFace(Display& d, int x, int y, int digit, int background) {
    if (!GridAddressed(d)) return;
    const int k = d.panels.CurrentGrid;
    UseFont(d, kFontDigit);
    const FaceBox f = CellFace(k, x, y);
    SetColours(d, background, background);
    d.screen.SetMix(platform::MixMode::Copy);
    d.screen.SetLineWidth(1);
    d.screen.SetOpaqueText(true);
    d.screen.FilledBox(f.x1, f.y1, f.x2, f.y2);
    if (digit != 0) {
        d.screen.SetForeground(Colour(0));
        TransparentText(d, CellGlyphX(f.x1, digit, d.options.ShowNumerals), f.y1 - 1, DigitGlyph(d.options, digit));
    }
    LeaveDefaultState(d);
}

}  // namespace

std::string_view DigitGlyph(const Options& options, int digit) {
    if (digit < 1 || digit > 9) return {};
    return options.ShowNumerals ? kNumerals[digit] : kLetters[digit];
}

void DrawGivenCell(Display& d, int x, int y, int digit) {
    DrawFace(d, x, y, digit, 7);
    if (GridAddressed(d)) d.board.Given(d.panels.CurrentGrid, x, y) = static_cast<std::uint8_t>(digit);
}

void DrawCell(Display& d, int x, int y, int digit) {
    DrawFace(d, x, y, digit, 15);
    d.panels.SolverProgress = true;
}

void RedrawCells(Display& d) {
    for (int k = 1; k <= kGridCount; ++k) {
        d.panels.CurrentGrid = static_cast<std::int16_t>(k);
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                const int given = d.board.Given(k, x, y);
                if (given != 0) {
                    DrawGivenCell(d, x, y, given);
                } else {
                    DrawCell(d, x, y, d.board.Cell(k, x, y));
                }
            }
        }
    }
    d.panels.CurrentGrid = kGridCount + 1;
    ShowDigitCounts(d);
    if (d.options.ShowCandidates) {
        RefreshCandidates(d);
    } else {
        DrawCandidates(d);
    }
}

}  // namespace drz
