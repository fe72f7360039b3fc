// hint_text.h — the German sentence that explains a hint, with the digit as the board shows it.
#pragma once

#include <string>

#include "engine/hint.h"

namespace drz {

constexpr const char* kOwnBoardHintText = "Hinweise gibt es nur im Spiel.";

// "In Gitter 4, Zeile 3, passt die 7 nur in dieses Feld.", "In dieses Feld passt nur die 7.", ...; with letters
// shown the digit is named by its letter ("das G").
std::string HintSentence(const Hint& hint, bool numerals);

}  // namespace drz
