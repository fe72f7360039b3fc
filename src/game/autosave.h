// autosave.h — the game in progress kept in "spielstand.json": offered at start-up, handed to the writer after
// every change while a game loop runs, written at once when a loop ends and on the way out.
#pragma once

#include "game/app.h"
#include "game/command_bar.h"

namespace drz {

// Start-up: takes the file for the run; when a game in progress is stored, asks "Letztes Spiel fortsetzen?" and
// on "&JA" brings it back and enters its loop. A damaged file is set aside and the player told.
void OfferStoredGame(App& app);

// Each turn of a game loop, before it waits: a change since the last hand-over goes to the writer.
void KeepGameInProgress(App& app, GameLoop loop);
// A game loop has ended: the game as it stands is written at once.
void KeepGameAtLoopEnd(App& app);
// "&JA" to the exit question: the game is written, and on disk before this returns.
void KeepGameAtExit(App& app);

// A notice about the stored game (damaged, not kept, not written): a message box with "OK".
void TellAboutStoredGame(App& app, const std::string& text);

}  // namespace drz
