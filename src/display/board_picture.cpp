// The static board picture: hole frames, outer bevel, the thirteen grids and the red shared boxes; the lines
// are the layers the print draws too.
#include "board/board_layers.h"
#include "display/board_outline.h"
#include "display/board_view.h"
#include "display/cell_geometry.h"
#include "display/drawing.h"
#include "display/panels.h"

namespace drz {

namespace {

void DrawOuterBevel(Display& d) {
    d.screen.SetLineWidth(1);
    for (const OutlineEdge& e : kBoardOutline) {
        d.screen.SetForeground(Colour(e.colour));
        d.screen.Line(e.ax1, e.ay1, e.ax2, e.ay2);
        d.screen.Line(e.bx1, e.by1, e.bx2, e.by2);
    }
}

void Outline(platform::Canvas& s, const LatticeBox& box) {
    const ScreenBox b = ScreenBoxOf(box);
    s.BoxOutline(b.x1, b.y1, b.x2, b.y2);
}

void DrawSharedBoxOutlines(Display& d) {
    d.screen.SetLineWidth(2);
    d.screen.SetForeground(Colour(1));
    ForEachSharedBoxLine([&](const LatticeBox& box) { Outline(d.screen, box); });
    d.screen.SetLineWidth(1);
}

}  // namespace

void DrawGrid(Display& d, int k) {
    platform::Canvas& s = d.screen;
    const int x0 = GridOriginX[k], y0 = GridOriginY[k];
    SetColours(d, 0, 15);
    s.SetLineWidth(1);
    s.FilledBox(x0 - 1, y0 - 1, x0 + 297, y0 + 225);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) CoverMarks(d, {k, x, y});
    ForEachCellLine(k, [&](const LatticeBox& box) { Outline(s, box); });
    s.SetLineWidth(2);
    SetColours(d, 4, 15);
    ForEachBoxLine(k, [&](const LatticeBox& box) { Outline(s, box); });
    LeaveDefaultState(d);
}

void DrawBoard(Display& d, const Verdict& verdict) {
    d.screen.SetMix(platform::MixMode::Copy);
    for (const auto& f : kHoleFrames) DrawFrame3D(d, 1, 2, f[0], f[1], f[2], f[3]);
    DrawOuterBevel(d);
    for (int k = 1; k <= kGridCount; ++k) DrawGrid(d, k);
    DrawSharedBoxOutlines(d);
    LeaveDefaultState(d);
    DrawStatisticsPanel(d, verdict);
    DrawLevelPanel(d);
    DrawClockPanel(d);
    LeaveDefaultState(d);
}

}  // namespace drz
