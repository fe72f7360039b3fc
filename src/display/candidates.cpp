// Candidate marks, drawn small inside the empty cells: all of them, or only where a step changed them.
#include <array>
#include <cstdint>

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

constexpr std::uint16_t kAllMarks = 0x3FE;  // bits 1..9

// The marks of `digits` (bit d: mark d) drawn or erased as the cell holds them. Each mark has its own box, so
// the others keep what they show.
void DrawCellMarks(Display& d, int k, int x, int y, std::uint16_t digits) {
    const int left = CellLeft(k, x);
    const int top = CellTop(k, y);
    for (int digit = 1; digit <= 9; ++digit) {
        if ((digits >> digit & 1u) == 0) continue;
        const int cx = CandidateX(left, digit);
        const int cy = CandidateY(top, digit);
        if (d.board.Mark(k, x, y, digit)) {
            DrawMark(d, cx, cy, digit);
        } else {
            EraseMark(d, cx, cy);
        }
    }
}

// Both copies of a shared cell lie on the same pixels: they share one place, the copy in the lower grid.
int PlaceOf(CellRef c) {
    const auto partner = PartnerCell(c.k, c.x, c.y);
    return partner && partner->k < c.k ? CellIndex(partner->k, partner->x, partner->y) : CellIndex(c.k, c.x, c.y);
}

// The marks due at each place (bit d: mark d) of every empty copy, in the order of the whole-board drawing, so
// that where the two copies of a cell differ the same one ends on top. A covered place is due whole and is no
// longer covered once drawn.
void DrawMarksWhere(Display& d, std::array<std::uint16_t, kCellTableSize> due) {
    for (std::size_t place = 0; place < due.size(); ++place)
        if (d.panels.MarksCovered[place]) due[place] = kAllMarks;
    d.screen.SetMix(platform::MixMode::Copy);
    d.screen.SetLineWidth(1);
    d.screen.SetOpaqueText(true);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            for (int k = 1; k <= kGridCount; ++k) {
                if (d.board.Cell(k, x, y) != 0) continue;
                const auto place = static_cast<std::size_t>(PlaceOf({k, x, y}));
                if (due[place] == 0) continue;
                DrawCellMarks(d, k, x, y, due[place]);
                d.panels.MarksCovered.reset(place);
            }
        }
    }
    LeaveDefaultState(d);
}

}  // namespace

void CoverMarks(Display& d, CellRef cell) { d.panels.MarksCovered.set(static_cast<std::size_t>(PlaceOf(cell))); }

void DrawCandidates(Display& d) {
    std::array<std::uint16_t, kCellTableSize> due;
    due.fill(kAllMarks);
    DrawMarksWhere(d, due);
}

// A mark's box is drawn again where the mark changed in either copy of the cell, or where a face covered it.
void DrawChangedCandidates(Display& d, const std::vector<CellChange>& changes) {
    std::array<std::uint16_t, kCellTableSize> due{};
    for (const CellChange& c : changes) {
        std::uint16_t& digits = due[static_cast<std::size_t>(PlaceOf(c.cell))];
        digits = static_cast<std::uint16_t>(digits | (c.oldMarks ^ c.newMarks));
    }
    DrawMarksWhere(d, due);
}

}  // namespace drz
