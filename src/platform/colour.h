// colour.h — a screen colour as red, green, blue.
#pragma once

#include <cstdint>

namespace drz::platform {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    constexpr std::uint32_t Packed() const { return (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b; }
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace drz::platform
