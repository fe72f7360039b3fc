// about.h — "über &Dreizehner...": the information dialog about the game.
#pragma once

#include "display/display.h"

namespace drz {
void ShowAboutDialog(Display& d);
}
