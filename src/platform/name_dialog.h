// name_dialog.h — the name dialog: asks a player whose time entered the hall of fame for a name.
#pragma once

#include <optional>
#include <string>

#include "platform/window.h"

namespace drz::platform {

// Shows the dialog modally at (451, 367) from the main window's corner, the name field holding `name` and
// focused. The typed name when "&OK" (the default) confirms it; nothing after "&Abbrechen",
// Escape or the close box.
std::optional<std::string> AskNameDialog(MainWindow& owner, const std::string& name);

}  // namespace drz::platform
