// slot_dialogs.h — loading and saving a slot of the player's board file through the slot dialog.
#pragma once

#include <string>

#include "game/app.h"

namespace drz {

constexpr const char* kLoadDialogTitle = "Welches Brett laden?";
constexpr const char* kSaveDialogTitle = "Sichern unter ...";

// Opens the dialog on the slot used last and loads the slot chosen from BoardFile (set by the caller); a slot
// that is damaged or cannot be read is named to the player and loads nothing.
void LoadBoardDialog(App& app);
// The same for saving into "brett.drz"; a save that fails is reported, and so is a damaged file that the
// save rewrote (what was kept, where the copy is).
void SaveBoardDialog(App& app);
// SlotIndex := slot, then the load or the save of it.
void ConfirmSlot(App& app, int slot, bool loads);
// "Brett 1 – leer", "Brett 2 – 312 Vorgaben, 85 eigene Zahlen", "Brett 3 – beschädigt": what slot 0..3 of the
// file holds.
std::string SlotCaption(const std::string& file, int slot);

}  // namespace drz
