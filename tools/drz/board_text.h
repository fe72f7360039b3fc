// board_text.h — a board as text: the 33 x 33 lattice with givens and entries told apart, and the status the game would
// show.
#pragma once

#include <string>

#include "board/board.h"

namespace drz::tool {

// 33 lines, two characters per lattice cell: " 5" a given, "*5" an entry, " ." empty, " ?" a stray value
// above 9, blanks off the board. Each cell is shown from its lowest-numbered grid.
std::string LatticeText(const Board& board);

// The status text as the game's status panel judges it: "Falsche Zahl! ", "Keine Fehler! " or
// "Brett gelöst!!! ". Recounts DigitCount (which brings the shared copies up to date).
std::string StatusText(Board& board);

}  // namespace drz::tool
