// menu_commands.h — what every menu choice does: a common prologue, the item's action, a common epilogue.
#pragma once

#include "game/app.h"

namespace drz {

constexpr const char* kIdleHelpText = "Bitte Menupunkt auswählen!";
constexpr const char* kClickCellHelpText = "Bitte ein Feld anklicken!";
constexpr const char* kHelpFile = "Dreizehner.chm";
constexpr const char* kOverviewTopic = "Übersicht.htm";

// Runs the menu item with this id to completion; the screen is back in the idle state afterwards.
void RunMenuCommand(App& app, int id);

}  // namespace drz
