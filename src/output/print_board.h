// print_board.h — printing the whole board on one page of the printer the player chooses.
#pragma once

#include "display/display.h"

namespace drz {
void PrintBoard(Display& d);
}
