// commands.h — the commands of the drz tool; each takes the words after its name and returns the exit code.
#pragma once

#include <string>
#include <vector>

namespace drz::tool {

using Words = std::vector<std::string>;

int RunShow(const Words& words);
int RunSolve(const Words& words);
int RunShuffle(const Words& words);

}  // namespace drz::tool
