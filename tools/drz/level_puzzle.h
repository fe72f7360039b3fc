// level_puzzle.h — a set of givens as puzzle text: the 33 x 33 lattice, "." empty, blank off the board.
#pragma once

#include <string>

#include "engine/exact_cells.h"

namespace drz::tool {

// "#" remark lines first, then 33 lines of 33 characters (trailing blanks dropped).
std::string PuzzleText(const CellDigits& givens, const std::string& remarks);

}  // namespace drz::tool
