// palette.h — the sixteen colours of the game, named by index wherever the game draws.
#pragma once

#include <array>

#include "platform/colour.h"

namespace drz {

constexpr std::array<platform::Rgb, 16> Palette = {{
    {0, 0, 0},        // 0 black
    {218, 0, 0},      // 1 red
    {0, 128, 0},      // 2 green
    {255, 255, 0},    // 3 yellow
    {0, 0, 188},      // 4 blue
    {128, 0, 128},    // 5 purple
    {0, 128, 128},    // 6 teal
    {192, 192, 192},  // 7 silver
    {64, 64, 64},     // 8 dark grey
    {255, 0, 0},      // 9 bright red
    {0, 255, 0},      // 10 bright green
    {255, 255, 0},    // 11 yellow, same as 3
    {180, 201, 208},  // 12 window background
    {255, 0, 255},    // 13 magenta
    {0, 255, 255},    // 14 cyan
    {255, 255, 255},  // 15 white
}};

}  // namespace drz
