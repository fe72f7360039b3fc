// exit.h — the question before the game ends, from the menu or from the window's close box.
#pragma once

#include "game/app.h"

namespace drz {

// Asks "Spiel beenden?". Returns when the player declines; on "&JA" closes the window and throws
// platform::ProgramExit, which ends every loop. The game in progress is written first ("spielstand.json").
void ConfirmExit(App& app);
// The window's close box: the same question; declining leaves everything as it was.
void CloseBoxClicked(App& app);
// Stops the clock and its thread at once, and waits for the thread to end.
void StopClock(App& app);

}  // namespace drz
