// The common frame of every information panel.
#include "display/board_view.h"
#include "display/drawing.h"
#include "display/font_codes.h"
#include "display/panel_layout.h"

namespace drz {

void DrawPanelFrame(Display& d, const PanelLayout& p) {
    DrawFrame3D(d, 0, 2, p.raised.x1, p.raised.y1, p.raised.x2, p.raised.y2);
    DrawFrame3D(d, 1, 2, p.sunken.x1, p.sunken.y1, p.sunken.x2, p.sunken.y2);
    DrawLabel(d, kFontTitle, 0, p.titleX, p.titleY, p.title);
    SetColours(d, 0, 15);
    d.screen.FilledBox(p.field.x1, p.field.y1, p.field.x2, p.field.y2);
    LeaveDefaultState(d);
}

}  // namespace drz
