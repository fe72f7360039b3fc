// The static board picture: hole frames, outer bevel, the thirteen grids and the red shared boxes.
#include "board/geometry.h"
#include "display/board_outline.h"
#include "display/board_view.h"
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

void DrawSharedBoxOutlines(Display& d) {
    d.screen.SetLineWidth(2);
    d.screen.SetForeground(Colour(1));
    for (int a : kSharedBoxA) {
        for (int b : kSharedBoxB) d.screen.BoxOutline(29 + a, 35 + b, 29 + a + 99, 35 + b + 75);
    }
    d.screen.SetLineWidth(1);
}

}  // namespace

void DrawGrid(Display& d, int x0, int y0) {
    platform::Canvas& s = d.screen;
    SetColours(d, 0, 15);
    s.SetLineWidth(1);
    s.FilledBox(x0 - 1, y0 - 1, x0 + 297, y0 + 225);
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) s.BoxOutline(x0 + 33 * (c - 1), y0 + 25 * (r - 1), x0 + 33 * c, y0 + 25 * r);
    }
    s.SetLineWidth(2);
    SetColours(d, 4, 15);
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 3; ++c) s.BoxOutline(x0 + 99 * (c - 1), y0 + 75 * (r - 1), x0 + 99 * c, y0 + 75 * r);
    }
    LeaveDefaultState(d);
}

void DrawBoard(Display& d, const Verdict& verdict) {
    d.screen.SetMix(platform::MixMode::Copy);
    for (const auto& f : kHoleFrames) DrawFrame3D(d, 1, 2, f[0], f[1], f[2], f[3]);
    DrawOuterBevel(d);
    for (int k = 1; k <= kGridCount; ++k) DrawGrid(d, GridOriginX[k], GridOriginY[k]);
    DrawSharedBoxOutlines(d);
    LeaveDefaultState(d);
    DrawStatisticsPanel(d, verdict);
    DrawLevelPanel(d);
    DrawClockPanel(d);
    LeaveDefaultState(d);
}

}  // namespace drz
