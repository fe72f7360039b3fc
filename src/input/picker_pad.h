// picker_pad.h — the 3 x 3 digit pad over a cell: where it lies, its drawing, its own event loop, the pointer.
#pragma once

#include "board/geometry.h"
#include "display/cell_geometry.h"
#include "display/display.h"
#include "input/input_state.h"

namespace drz {

constexpr const char* kPadHelpText = "Rechte Taste löscht Feld!";
constexpr const char* kNotesHelpText = "Bitte Kandidaten notieren!";
constexpr const char* kPadClosedHelpText = "Bitte ein Feld anklicken! ";
constexpr int kPadSize = 45;  // pixels from the pad's corner to its far edges
constexpr int kPadSquare = 15;

// The pad's top-left pixel: eight pixels up and left of the cell's own lines.
struct PadCorner {
    int left, top;
};
constexpr PadCorner PadCornerOf(CellRef cell) { return {CellLeft(cell.k, cell.x) - 8, CellTop(cell.k, cell.y) - 8}; }

// What ended the pad: a digit (a click in it or a digit key; 0 for Escape or "0", or a click before any
// square was highlighted), the right button, or no choice at all.
struct PadChoice {
    bool clear = false;  // the right button
    int digit = 0;       // 0..9 when not cleared
    bool none = false;   // the window was minimised while the clock ran: the pad went, so the game can pause
};

// Draws the pad over the cell, the square of HoverDigit light grey. Saves the screen under it the first time
// in an opening.
void DrawPickerPad(Display& d, InputState& in, CellRef cell);
// Runs the pad over the cell until a click in it, the right button or a digit key ends it; the screen under
// it is restored. Changes nothing on the board: the caller makes the step.
PadChoice OpenPicker(Display& d, InputState& in, CellRef cell);
// The main window's mouse-move handler: tracks the pointer, and the highlighted square while the pad is open.
void PointerMoved(Display& d, InputState& in, int x, int y);
// Returns once no mouse button is held down.
void WaitMouseRelease(Display& d);

// The digit a character typed into the pad stands for: 1..9, 0 for a clear, -1 when the pad ignores it.
int PadDigitOfKey(int character, bool numerals);

}  // namespace drz
