// output_target.h — where solve and shuffle save: [AUS [AUSPLATZ]] after DATEI PLATZ, defaulting to them.
#pragma once

#include <string>

#include "command_line.h"

namespace drz::tool {

struct Target {
    std::string file;
    int slot;
};

// Positional words: DATEI PLATZ [AUS [AUSPLATZ]].
Target OutputTarget(const Arguments& args);

}  // namespace drz::tool
