#include "engine/generator_bands.h"

#include <cctype>

namespace drz {

std::optional<int> LevelByName(std::string_view name) {
    for (int level = 0; level < 4; ++level) {
        const std::string_view want = kLevelBands[level].name;
        if (want.size() != name.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < name.size() && same; ++i)
            same =
                std::tolower(static_cast<unsigned char>(name[i])) == std::tolower(static_cast<unsigned char>(want[i]));
        if (same) return level;
    }
    return std::nullopt;
}

}  // namespace drz
