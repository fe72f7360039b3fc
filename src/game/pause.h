// pause.h — the pause of a timed game: the board covered and the clock stopped until the player goes on.
#pragma once

#include <optional>

#include "game/app.h"
#include "game/command_bar.h"
#include "platform/events.h"

namespace drz {

constexpr const char* kPauseHelpText = "Pause – weiter mit P";

// True in the play loop of a timed game when the event asks for a pause: P released, or the window minimised.
bool PauseAsked(const App& app, GameLoop loop, const platform::InputEvent& event);
// True (once) when the window was minimised while the pad was open in a timed game: the pad went, the game pauses.
bool PauseAskedInPad(App& app, GameLoop loop);

// The pause's own loop: the board covered, the clock stopped and the help panel saying so, until P or a click
// goes on; then the board, the help panel and the clock are as they were, and the paused time is not counted.
// A click on the command bar and the keys of its buttons go on as well and are returned, for the game loop to
// act on them; every other key does nothing. The close box asks as everywhere and, answered "&NEIN", leaves the
// game paused.
std::optional<platform::InputEvent> RunPause(App& app);

}  // namespace drz
