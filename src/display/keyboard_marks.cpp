// The cursor's frame and the same-digit highlight, drawn over saved faces.
#include "display/keyboard_marks.h"

#include "board/board.h"
#include "display/board_view.h"
#include "display/cell_geometry.h"
#include "display/drawing.h"

namespace drz {

namespace {

void Cover(Display& d, CellRef cell, std::vector<CoveredFace>& covered) {
    const FaceBox f = CellFace(cell.k, cell.x, cell.y);
    covered.push_back({cell, d.screen.Save(f.x1, f.y1, f.x2, f.y2)});
}

void FrameFace(Display& d, CellRef cell, platform::Rgb colour, int inset) {
    const FaceBox f = CellFace(cell.k, cell.x, cell.y);
    d.screen.SetMix(platform::MixMode::Copy);
    d.screen.SetLineWidth(2);
    d.screen.SetForeground(colour);
    // A width-2 outline covers its coordinate and the pixel before it on every side.
    d.screen.BoxOutline(f.x1 + inset + 1, f.y1 + inset + 1, f.x2 - inset, f.y2 - inset);
    LeaveDefaultState(d);
}

bool IsSecondaryCopy(CellRef cell) {
    const auto partner = PartnerCell(cell.k, cell.x, cell.y);
    return partner && partner->k < cell.k;
}

}  // namespace

void DrawCursorFrame(Display& d, CellRef cell, std::vector<CoveredFace>& covered) {
    Cover(d, cell, covered);
    FrameFace(d, cell, kCursorColour, 0);
}

void DrawDigitHighlight(Display& d, int digit, std::vector<CoveredFace>& covered) {
    if (digit < 1 || digit > 9) return;
    for (int k = 1; k <= kGridCount; ++k)
        for (int y = 1; y <= 9; ++y)
            for (int x = 1; x <= 9; ++x) {
                const CellRef cell{k, x, y};
                if (d.board.Cell(k, x, y) != digit || IsSecondaryCopy(cell)) continue;
                Cover(d, cell, covered);
                DrawTintedCell(d, cell, digit, kHighlightTint);
                FrameFace(d, cell, kHighlightFrame, 2);
            }
}

void EraseKeyboardMarks(Display& d, std::vector<CoveredFace>& covered) {
    for (auto it = covered.rbegin(); it != covered.rend(); ++it) {
        const FaceBox f = CellFace(it->cell.k, it->cell.x, it->cell.y);
        d.screen.Restore(it->under, f.x1, f.y1);
    }
    covered.clear();
}

}  // namespace drz
