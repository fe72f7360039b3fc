// print_board.h — printing the board on one page.
#pragma once

#include "display/display.h"

namespace drz { void PrintBoard(Display& d); }
