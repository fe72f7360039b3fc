// Stands in for printing until it is built: the player is told so.
#include "output/print_board.h"

namespace drz {

void PrintBoard(Display& d) { d.window.MessageBox(0, "Noch nicht verfügbar.", 1, "OK"); }

}  // namespace drz
