// The pause's cover over the board: the grids filled with the background, the saved pictures put back after.
#include "display/board_cover.h"

#include "board/geometry.h"
#include "display/drawing.h"
#include "display/panel_layout.h"
#include "display/panels.h"

namespace drz {

namespace {

constexpr int kBackground = 12;  // the window's background colour

// A grid's white field with its outer box lines, as DrawGrid paints it.
Rect GridArea(int k) { return {GridOriginX[k] - 1, GridOriginY[k] - 1, GridOriginX[k] + 297, GridOriginY[k] + 225}; }

// Every grid lies inside the rectangle from grid 1's corner to grid 13's.
Rect BoardArea() {
    const Rect first = GridArea(1), last = GridArea(kGridCount);
    return {first.x1, first.y1, last.x2, last.y2};
}

platform::Picture SaveArea(Display& d, const Rect& r) { return d.screen.Save(r.x1, r.y1, r.x2, r.y2); }

}  // namespace

CoveredBoard CoverBoard(Display& d, std::string_view helpText) {
    CoveredBoard covered{SaveArea(d, BoardArea()), SaveArea(d, FieldInside(kHelpPanel)), d.panels.HelpText};
    d.screen.SetMix(platform::MixMode::Copy);
    d.screen.SetLineWidth(1);
    SetColours(d, kBackground, kBackground);
    for (int k = 1; k <= kGridCount; ++k) {
        const Rect g = GridArea(k);
        d.screen.FilledBox(g.x1, g.y1, g.x2, g.y2);
    }
    LeaveDefaultState(d);
    ShowHelpCovering(d, helpText);
    return covered;
}

void UncoverBoard(Display& d, const CoveredBoard& covered) {
    d.screen.Restore(covered.board, BoardArea().x1, BoardArea().y1);
    d.screen.Restore(covered.help, FieldInside(kHelpPanel).x1, FieldInside(kHelpPanel).y1);
    d.panels.HelpText = covered.helpText;
}

}  // namespace drz
