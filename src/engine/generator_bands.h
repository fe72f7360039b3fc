// generator_bands.h — the four difficulty bands: how many givens and forced-step passes a level's boards have.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace drz {

// A level board lies in its band when both its given count and its pass count do. Neither range overlaps
// the range of another level, so the levels differ in both measures. `passes` counts the passes of the
// forced-step solver up to the one that placed the last digit.
struct LevelBand {
    std::string_view name;  // as in LevelName: "Leicht", "Mittel", "Schwer", "Extrem"
    std::string_view file;  // the level file of the game's working folder
    int minGivens, maxGivens;
    int minPasses, maxPasses;
    bool minimal;  // no symmetric pair of givens can go without losing forced-step solvability

    bool Holds(int givens, int passes) const {
        return givens >= minGivens && givens <= maxGivens && passes >= minPasses && passes <= maxPasses;
    }
};

inline constexpr std::array<LevelBand, 4> kLevelBands = {{
    {"Leicht", "leicht.drz", 390, 420, 2, 3, false},
    {"Mittel", "mittel.drz", 320, 360, 4, 6, false},
    {"Schwer", "schwer.drz", 260, 300, 7, 11, false},
    {"Extrem", "extrem.drz", 220, 259, 12, 15, true},
}};

// The level 0..3 of a name, upper or lower case ("extrem", "Extrem", "EXTREM").
std::optional<int> LevelByName(std::string_view name);

}  // namespace drz
