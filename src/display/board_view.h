// board_view.h — drawing the board: fonts by code, bevels, engraved labels, the static board, cell faces, candidates.
#pragma once

#include <string_view>
#include <vector>

#include "board/geometry.h"
#include "display/display.h"
#include "model/board_edit.h"

namespace drz {

void UseFont(Display& d, int code);  // 4, 6, 8, 14, 20; any other code: "System" 9.75 pt
void DrawFrame3D(Display& d, int sunken, int thickness, int x1, int y1, int x2, int y2);
void DrawLabel(Display& d, int fontCode, int colour, int x, int y, std::string_view text);
void DrawBoard(Display& d, const Verdict& verdict);       // static board, then the statistics, level and clock panels
void DrawGrid(Display& d, int k);                         // its white field, cell lines and box lines
void DrawGivenCell(Display& d, CellRef cell, int digit);  // the face of a given, light grey
void DrawCell(Display& d, CellRef cell, int digit);       // the face of an entry, white
void DrawTintedCell(Display& d, CellRef cell, int digit, platform::Rgb tint);  // a face on another background
void RedrawCells(Display& d, const Verdict& verdict);  // every cell, counts and status, candidate marks
// The faces of the cells whose digit or given the step changed, then the marks when the step touched, changed
// or recomputed them.
void DrawStepCells(Display& d, const EditStep& step);
// What RedrawCells shows after a step on the whole board, drawn where the step changed it: the faces and marks
// of its changed cells and the counts and status.
void RedrawStepCells(Display& d, const EditStep& step);
void DrawCandidates(Display& d);  // the marks of every empty cell
// Each mark of an empty cell that changed, and every mark of a cell whose marks a face covered since they were
// drawn: on a screen that showed the board before the change, the same picture as DrawCandidates.
void DrawChangedCandidates(Display& d, const std::vector<CellChange>& changes);
// Whatever covers a cell's face but its marks tells so, so that the next drawing of the marks restores them.
void CoverMarks(Display& d, CellRef cell);

// The glyph of digit 1..9 as the options show it: "1".."9" or "A".."I".
std::string_view DigitGlyph(const Options& options, int digit);

}  // namespace drz
