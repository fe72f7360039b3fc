// hint_marks.h — a hint laid over the screen until the next key or click: the cell and the unit that forces
// it outlined, the sentence in the help panel. What lay under each is kept and put back pixel for pixel.
#pragma once

#include <string_view>
#include <vector>

#include "display/display.h"
#include "display/panel_layout.h"
#include "engine/hint.h"
#include "platform/canvas.h"

namespace drz {

// Clear of the board's colours and of the cursor's orange and the highlight's violet.
constexpr platform::Rgb kHintColour = {0, 150, 230};  // sky blue

// The help panel's white field, inside its black border: where the sentence stands.
constexpr Rect kHintTextArea = FieldInside(kHelpPanel);

// A rectangle of the screen as it was before a hint was drawn over it.
struct CoveredArea {
    int x, y;
    platform::Picture under;
};

// The unit as a frame along its outer lines (none for a hint without one) and the cell as a double frame
// inside its face (none for a hint without a cell).
void DrawHintOutlines(Display& d, const Hint& hint, std::vector<CoveredArea>& covered);
// The sentence in the help panel's field, broken into the lines that fit it.
void DrawHintSentence(Display& d, std::string_view sentence, std::vector<CoveredArea>& covered);
// Puts back what the hint covered, the latest first, and forgets it.
void EraseHint(Display& d, std::vector<CoveredArea>& covered);

}  // namespace drz
