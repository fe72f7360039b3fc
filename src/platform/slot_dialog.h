// slot_dialog.h — the slot dialog: the player picks one of the four slots of a board file.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/window.h"

namespace drz::platform {

struct SlotDialogRequest {
    std::string title;                   // "Welches Brett laden?" or "Sichern unter ..."
    int checkedSlot = 0;                 // 0..3, the option checked and focused when it opens
    std::array<std::string, 4> options;  // the captions of the four slot options
    std::string confirm = "OK";          // caption of the confirm button ("&" marks the mnemonic)
};

// Runs the dialog modally over the main window, 770 px right of and 440 px below its corner. A click on an option
// or on the confirm button chooses at once; a typed "1".."4" chooses that slot, Enter the focused option, any other
// character the checked one. Returns the slot 0..3, or nothing when "&Abbrechen", Escape or the close box ended it.
std::optional<int> RunSlotDialog(MainWindow& owner, const SlotDialogRequest& request);

}  // namespace drz::platform
