// game_loop.h — the skeleton both game loops share: wait for one event, let it be dispatched, look at it.
#pragma once

#include "game/app.h"
#include "game/command_bar.h"
#include "input/board_click.h"
#include "platform/events.h"

namespace drz {

// What differs between the loops: which keys and buttons act (by GameLoop) and what a board click does.
struct LoopRules {
    GameLoop loop;
    void (*boardClick)(App& app, const platform::InputEvent& event);
    void (*cellKey)(App& app, CellRef cell, CellKey key);  // a digit, a clear or the pad at the cursor
};

// Draws the command bar, then looks at one event after the other until a key or a button ends the loop.
void RunGameLoop(App& app, const LoopRules& rules);

}  // namespace drz
