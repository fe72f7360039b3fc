// hint_key.h — T in the game loops: the hint found on the board as it stands and shown until the next key or
// click. In play it stops the clock for good, so a game with hints is never recorded.
#pragma once

#include "game/app.h"
#include "game/command_bar.h"
#include "platform/events.h"

namespace drz {

// True when the event was T's release; the hint is then waiting for ShowHint.
bool HintKey(App& app, GameLoop loop, const platform::InputEvent& event);
// Draws the waiting hint over everything else.
void ShowHint(App& app);
// Takes the hint off the screen, pixel for pixel, and forgets it.
void HideHint(App& app);

}  // namespace drz
