// input_state.h — what cell input keeps between events: pointer, pad mode and highlight, the pad's cell and the
// screen under it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "board/geometry.h"
#include "display/hint_marks.h"
#include "display/keyboard_marks.h"
#include "platform/canvas.h"

namespace drz {

struct InputState {
    int MouseX = 0;  // last pointer position in screen pixels
    int MouseY = 0;
    bool NotesMode = false;             // the pad edits candidate marks (opened by the right button)
    std::int16_t HoverDigit = 0;        // digit 1..9 of the pad square last under the pointer; kept between openings
    bool PickerActive = false;          // the pad's loop runs; the mouse-move handler tracks the pad
    platform::Picture SavedBackground;  // the 46 x 46 screen area under the pad while it is open
    bool BackgroundSaved = false;
    CellRef PadCell{0, 0, 0};  // the cell the pad lies over (PadCornerOf gives its corner)
    // Virtual-key code of the letter key that ended the pad: its release belongs to the pad, not to the game
    // loop underneath (with letters shown, "c" or "d" must not also clear the marks or print). 0 = none.
    int PadKeyRelease = 0;
    // Keyboard play: the cursor while shown (a shared cell by its lower-numbered grid), the cell clicked last,
    // the same-digit highlight (G) and the digit entered last, and what the cursor and highlight cover.
    std::optional<CellRef> Cursor;
    std::optional<CellRef> LastClicked;
    bool SameDigitHighlight = false;
    int LastEnteredDigit = 0;
    std::vector<CoveredFace> CoveredFaces;
    // A hint (T) from the key until the next key or click: what it shows and says, and what it covers.
    std::optional<Hint> ShownHint;
    std::string HintSentence;
    std::vector<CoveredArea> HintCovered;
};

}  // namespace drz
