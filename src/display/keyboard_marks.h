// keyboard_marks.h — what keyboard play lays over the board while it is used: the cursor's frame and the
// same-digit highlight. What lay under each is kept and put back pixel for pixel.
#pragma once

#include <vector>

#include "board/geometry.h"
#include "display/display.h"
#include "platform/canvas.h"

namespace drz {

// Colours the board never uses, so the marks stand out on givens, entries, marks and the red shared boxes.
constexpr platform::Rgb kCursorColour = {255, 128, 0};     // orange
constexpr platform::Rgb kHighlightTint = {214, 200, 255};  // pale violet
constexpr platform::Rgb kHighlightFrame = {112, 48, 200};  // violet

// The face of one cell as it was before a mark was drawn over it.
struct CoveredFace {
    CellRef cell;
    platform::Picture under;
};

// A two-pixel frame just inside the cell's face.
void DrawCursorFrame(Display& d, CellRef cell, std::vector<CoveredFace>& covered);
// Every cell holding `digit` (each shared cell once) tinted and framed.
void DrawDigitHighlight(Display& d, int digit, std::vector<CoveredFace>& covered);
// Puts back what the marks covered, the latest first, and forgets it.
void EraseKeyboardMarks(Display& d, std::vector<CoveredFace>& covered);

}  // namespace drz
