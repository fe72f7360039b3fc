// game_loops.h — the two modal game loops a menu command enters: playing a board, and entering one's own.
#pragma once

#include "game/app.h"

namespace drz {

constexpr const char* kSolvedStatusText = "Brett gelöst!!! ";

// Plays the current board until the player aborts; the clock thread runs when the game is timed.
void PlayLoop(App& app);
// Own-board entry until the player aborts: givens entered and removed with the pad; OwnBoardEntry is set.
void OwnBoardLoop(App& app);
// After a board click that hit a cell: a timed game just solved takes its final time, once.
void SolvedCheck(App& app);

}  // namespace drz
