// panels.h — the information panels right of the board and the command-bar buttons.
#pragma once

#include <string_view>

#include "display/display.h"
#include "model/verdict.h"

namespace drz {

// The panels draw the verdict they are given; StatusText becomes the verdict's text.
void DrawStatisticsPanel(Display& d, const Verdict& verdict);  // panel, counts, then the status panel
void ShowDigitCounts(Display& d, const Verdict& verdict);      // the counts, then the status
void DrawStatusPanel(Display& d, const Verdict& verdict);
void ShowBoardStatus(Display& d, const Verdict& verdict);  // StatusText from the verdict, written
void DrawLevelPanel(Display& d);
void ShowGivenCount(Display& d);  // count the givens, write it and the level name
void DrawHelpPanel(Display& d);
void ShowHelpText(Display& d);
// Makes `text` the help text, with trailing blanks so that it covers the longer text it replaces, and writes it.
void ShowHelpCovering(Display& d, std::string_view text);
void DrawClockPanel(Display& d);
void DrawButton(Display& d, int pressed, int x, int y, std::string_view caption);
void DrawHotLetter(Display& d, int highlight, int fontCode, int x, int y, std::string_view text);

}  // namespace drz
