// help.h — opening a topic of the game's help file in the help window.
#pragma once

#include <string_view>

#include "display/display.h"

namespace drz {
void ShowHtmlHelpTopic(Display& d, std::string_view file, std::string_view topic);
}
