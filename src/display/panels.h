// panels.h — the information panels right of the board and the command-bar buttons.
#pragma once

#include <string_view>

#include "display/display.h"

namespace drz {

void DrawStatisticsPanel(Display& d);  // panel, counts, then the status panel
void ShowDigitCounts(Display& d);      // recount, write the counts, then the status
void DrawStatusPanel(Display& d);
void ShowBoardStatus(Display& d);  // judge the board, set and write StatusText (beeps on a wrong digit)
void DrawLevelPanel(Display& d);
void ShowGivenCount(Display& d);  // recount givens, write it and the level name
void DrawHelpPanel(Display& d);
void ShowHelpText(Display& d);
void DrawClockPanel(Display& d);
void DrawButton(Display& d, int pressed, int x, int y, std::string_view caption);
void DrawHotLetter(Display& d, int highlight, int fontCode, int x, int y, std::string_view text);

}  // namespace drz
