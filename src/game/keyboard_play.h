// keyboard_play.h — the board by keys in both game loops: the cursor, digits and the pad at the cursor, the
// same-digit highlight. Nothing of it shows before the player uses its keys.
#pragma once

#include "game/app.h"
#include "platform/events.h"

namespace drz {

struct LoopRules;

// Takes the cursor's frame and the highlight off the screen, so the event is looked at on the plain board.
void HideKeyboardMarks(App& app);
// Draws them again, over the board as the event left it.
void ShowKeyboardMarks(App& app);
// A click on a cell is remembered, and moves the cursor there while it is shown.
void NoteBoardClick(App& app, const platform::InputEvent& event);
// Acts on the event when it is a key of keyboard play; true when it was one.
bool KeyboardPlayKey(App& app, const LoopRules& rules, const platform::InputEvent& event);
// The loop ends: the cursor goes.
void EndKeyboardPlay(App& app);

}  // namespace drz
