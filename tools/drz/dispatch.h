// dispatch.h — the drz command entry: picks the command by its name, runs it, turns its errors into exit codes.
#pragma once

#include "commands.h"

namespace drz::tool {

// The words after the program name, as main gets them. Prints the usage (exit 2) for a call that does not
// fit, the reason (exit 1) for a file that cannot be used; else the command's own exit code.
int RunDrz(const Words& words);

}  // namespace drz::tool
