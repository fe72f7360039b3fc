// picker_pad.h — the 3 x 3 digit pad over a cell: its drawing, its own event loop, the mouse-move handler.
#pragma once

#include "display/display.h"
#include "input/input_state.h"

namespace drz {

constexpr const char* kPadHelpText = "Rechte Taste löscht Feld!";
constexpr const char* kNotesHelpText = "Bitte Kandidaten notieren!";
constexpr const char* kPadClosedHelpText = "Bitte ein Feld anklicken! ";
constexpr int kPadSize = 45;  // pixels from the pad's corner to its far edges
constexpr int kPadSquare = 15;

// Draws the pad for cell (x, y) of CurrentGrid, the square of HoverDigit light grey. Saves the screen under it
// the first time in an opening.
void DrawPickerPad(Display& d, InputState& in, int x, int y);
// Runs the pad for cell (x, y) of CurrentGrid until a click in it, the right button or a digit key ends it.
// The outcome is in CellValue or the candidate marks, HoverDigit and RightButtonClear.
void OpenPicker(Display& d, InputState& in, int x, int y);
// The main window's mouse-move handler: tracks the pointer, and the highlighted square while the pad is open.
void Win_0_MouseMove(Display& d, InputState& in, float button, float shift, float x, float y);
// Returns once no mouse button is held down.
void WaitMouseRelease(Display& d);

// The digit a character typed into the pad stands for: 1..9, 0 for a clear, -1 when the pad ignores it.
int PadDigitOfKey(int character, bool numerals);

}  // namespace drz
