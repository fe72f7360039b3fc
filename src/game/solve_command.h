// solve_command.h — "&Brett lösen" on the screen: the forced-step solver with its cursor, drawing and verdict box.
#pragma once

#include "game/app.h"

namespace drz {

// Solves by forced steps, drawing every placement as it is made; retries from the givens when the player's
// entries made the board contradictory. Each run ends with its message box.
void RunSolveCommand(App& app);
// One run of the solver alone (own-board entry solves without the retry).
void RunSolveBoard(App& app);

}  // namespace drz
