// game_keys.h — the keys of the two game loops, acted on when they are released.
#pragma once

#include "game/app.h"
#include "game/command_bar.h"

namespace drz {

// Acts on the released key (virtual-key code) as the loop's key table says. True when the loop is to end.
bool GameKey(App& app, GameLoop loop, int key);
// True (once) for the release of the letter key that ended the picker pad: it was the pad's, not the loop's.
bool KeyBelongsToPad(App& app, int key);

}  // namespace drz
