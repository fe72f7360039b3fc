// level_commands.h — the drz commands that make and check level files: check and generate.
#pragma once

#include "commands.h"

namespace drz::tool {

// drz check DATEI [--level NAME]
int RunCheck(const Words& words);
// drz generate --level NAME --seed N AUS, or drz generate --puzzle --seed N AUS
int RunGenerate(const Words& words);

}  // namespace drz::tool
