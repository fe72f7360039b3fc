// The help panel with its one-line hint, and the frame of the clock panel (the clock label lies on it).
#include <string>

#include "display/board_view.h"
#include "display/drawing.h"
#include "display/font_codes.h"
#include "display/panel_layout.h"
#include "display/panels.h"

namespace drz {

void DrawHelpPanel(Display& d) {
    DrawPanelFrame(d, kHelpPanel);
    ShowHelpText(d);
}

void ShowHelpText(Display& d) {
    UseFont(d, kFontText);
    OpaqueText(d, 1207, 711, d.panels.HelpText);
}

void ShowHelpCovering(Display& d, std::string_view text) {
    UseFont(d, kFontText);
    const int replaced = d.screen.TextWidth(d.panels.HelpText);
    std::string shown(text);
    while (d.screen.TextWidth(shown) < replaced) shown += ' ';
    d.panels.HelpText = shown;
    ShowHelpText(d);
}

void DrawClockPanel(Display& d) { DrawPanelFrame(d, kClockPanel); }

}  // namespace drz
