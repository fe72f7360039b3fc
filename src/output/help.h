// help.h — the help window, opened at a topic of the help file.
#pragma once

#include <string_view>

#include "display/display.h"

namespace drz { void ShowHtmlHelpTopic(Display& d, std::string_view file, std::string_view topic); }
