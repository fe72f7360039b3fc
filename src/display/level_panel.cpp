// The level panel: number of givens and the level name.
#include "board/geometry.h"
#include "display/board_view.h"
#include "display/drawing.h"
#include "display/font_codes.h"
#include "display/panel_layout.h"
#include "display/panels.h"
#include "model/verdict.h"

namespace drz {

void DrawLevelPanel(Display& d) {
    DrawPanelFrame(d, kLevelPanel);
    UseFont(d, kFontText);
    OpaqueText(d, 1221, 568, "Vorgegebene Zahlen: " + RightAligned(d.panels.GivenCount, 2));
    ShowGivenCount(d);
}

void ShowGivenCount(Display& d) {
    d.panels.GivenCount = static_cast<std::int16_t>(CountDistinctGivens(d.board));
    UseFont(d, kFontText);
    std::string count = RightAligned(d.panels.GivenCount, 2) + " ";
    if (d.panels.LargeFontFallback && d.panels.GivenCount < 10) count += "   ";
    OpaqueText(d, 1381, 568, count);
    UseFont(d, kFontDigit);
    const int level = d.options.CurrentLevel;
    const std::string_view name = level >= 0 && level < 4 ? LevelName[static_cast<std::size_t>(level)] : "";
    // The names differ in width and carry no trailing blanks: the line is whitened first.
    ReplaceLine(d, 1272, 582, kLevelPanel.field.x2 - 1, 25, name);
}

}  // namespace drz
