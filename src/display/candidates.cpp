// Candidate marks, drawn small inside the empty cells.
#include "display/board_view.h"
#include "display/cell_geometry.h"
#include "display/drawing.h"
#include "display/font_codes.h"

namespace drz {

namespace {

// The marks' glyphs reach from row cy + 1 to cy + 7 in the installed face, so the white boxes under a mark and
// over an erased one start at cy + 1; below cy + 8 the next row of marks begins.
constexpr int kMarkTop = 1;
constexpr int kMarkBottom = 7;

void DrawMark(Display& d, int cx, int cy, int digit) {
    SetColours(d, 15, 15);
    d.screen.FilledBox(cx, cy + kMarkTop, cx + 5, cy + kMarkBottom);
    d.screen.SetForeground(Colour(0));
    UseFont(d, kFontCandidate);
    const bool narrowI = !d.options.ShowNumerals && digit == 9;
    TransparentText(d, narrowI ? cx + 1 : cx, cy, DigitGlyph(d.options, digit));
}

void EraseMark(Display& d, int cx, int cy) {
    SetColours(d, 15, 15);
    d.screen.FilledBox(cx, cy + kMarkTop, cx + 6, cy + kMarkBottom);
    d.screen.SetForeground(Colour(0));
}

void DrawCellMarks(Display& d, int k, int x, int y) {
    const int left = CellLeft(k, x);
    const int top = CellTop(k, y);
    for (int digit = 1; digit <= 9; ++digit) {
        const int cx = CandidateX(left, digit);
        const int cy = CandidateY(top, digit);
        if (d.board.Mark(k, x, y, digit)) {
            DrawMark(d, cx, cy, digit);
        } else {
            EraseMark(d, cx, cy);
        }
    }
}

}  // namespace

void DrawCandidates(Display& d) {
    d.screen.SetMix(platform::MixMode::Copy);
    d.screen.SetLineWidth(1);
    d.screen.SetOpaqueText(true);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            for (int k = 1; k <= kGridCount; ++k) {
                if (d.board.Cell(k, x, y) == 0) DrawCellMarks(d, k, x, y);
            }
        }
    }
    LeaveDefaultState(d);
}

}  // namespace drz
