// history_keys.h — undo and redo, and the checkpoints, by key in both game loops.
#pragma once

#include "game/app.h"
#include "game/command_bar.h"
#include "platform/events.h"

namespace drz {

constexpr const char* kCheckpointSetHelpText = "Merkpunkt gesetzt";
constexpr const char* kCheckpointDroppedHelpText = "Merkpunkt entfernt";

// Ctrl+Z takes the last step back, Ctrl+Y and Ctrl+Shift+Z make it again; F2 sets a checkpoint, F3 returns to
// the newest one, Shift+F3 drops it. True when the released key was one of these.
bool HistoryKey(App& app, GameLoop loop, const platform::InputEvent& event);

}  // namespace drz
