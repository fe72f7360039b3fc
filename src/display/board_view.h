// board_view.h — drawing the board: fonts by code, bevels, engraved labels, the static board, cell faces, candidates.
#pragma once

#include <string_view>

#include "display/display.h"

namespace drz {

void UseFont(Display& d, int code);  // 4, 6, 8, 14, 20; any other code: "System" 9.75 pt
void DrawFrame3D(Display& d, int sunken, int thickness, int x1, int y1, int x2, int y2);
void DrawLabel(Display& d, int fontCode, int colour, int x, int y, std::string_view text);
void DrawBoard(Display& d);  // static board, then the statistics, level and clock panels
void DrawGrid(Display& d, int x0, int y0);
void DrawGivenCell(Display& d, int x, int y, int digit);  // of grid d.panels.CurrentGrid; stores the given
void DrawCell(Display& d, int x, int y, int digit);       // of grid d.panels.CurrentGrid; sets SolverProgress
void RedrawCells(Display& d);                             // every cell, counts and status, candidate marks
void RefreshCandidates(Display& d);                       // recompute (stops the clock) when shown, merge, draw
void DrawCandidates(Display& d);

// The glyph of digit 1..9 as the options show it: "1".."9" or "A".."I".
std::string_view DigitGlyph(const Options& options, int digit);

}  // namespace drz
