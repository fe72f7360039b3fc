// deal_commands.h — the menu items that deal a board of the current level: a new timed game, and "Spieldruck".
#pragma once

#include "game/app.h"

namespace drz {

// "&Neues Spiel": a random slot of the level file, shuffled, marks cleared, then a timed game.
void NewGame(App& app);
// "Spieldruck": the same board dealt and shuffled, printed, then played untimed.
void PrintNewGame(App& app);

}  // namespace drz
