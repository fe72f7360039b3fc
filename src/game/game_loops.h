// game_loops.h — the two modal game loops a menu command enters: playing a board, and entering one's own.
#pragma once

#include "game/app.h"
#include "model/verdict.h"

namespace drz {

// Plays the current board until the player aborts; the clock thread runs when the game is timed.
void PlayLoop(App& app);
// Own-board entry until the player aborts: givens entered and removed with the pad.
void OwnBoardLoop(App& app);
// After a board click that hit a cell: a timed game whose board the verdict calls solved takes its final
// time, once; the hall of fame records it when the clock has been stopped.
void SolvedCheck(App& app, const Verdict& verdict);

}  // namespace drz
