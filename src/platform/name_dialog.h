// name_dialog.h — the name dialog `champ`: asks a player whose time entered the hall of fame for a name.
#pragma once

#include <optional>
#include <string>

#include "platform/window.h"

namespace drz::platform {

// Shows `champ` modally at (451, 367) from the main window's corner, the field `ed1` holding `name` and
// focused. The typed name when "&OK" (`cmd5`, the default) confirms it; nothing after "&Abbrechen" (`cmd6`),
// Escape or the close box.
std::optional<std::string> AskNameDialog(MainWindow& owner, const std::string& name);

}  // namespace drz::platform
