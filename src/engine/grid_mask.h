// grid_mask.h — a set of cells of one 9 x 9 grid as an 81-bit mask (bit (y-1)*9 + (x-1) for cell (x, y)).
#pragma once

#include <bit>
#include <cstdint>

namespace drz {

struct GridMask {
    std::uint64_t low = 0;   // cells 0..63
    std::uint64_t high = 0;  // cells 64..80

    static constexpr int BitOf(int x, int y) { return (y - 1) * 9 + (x - 1); }
    static constexpr GridMask Cell(int bit) {
        return bit < 64 ? GridMask{std::uint64_t{1} << bit, 0} : GridMask{0, std::uint64_t{1} << (bit - 64)};
    }
    static constexpr GridMask All() { return {~std::uint64_t{0}, (std::uint64_t{1} << 17) - 1}; }

    constexpr bool Has(int bit) const { return bit < 64 ? ((low >> bit) & 1) != 0 : ((high >> (bit - 64)) & 1) != 0; }
    constexpr bool Empty() const { return (low | high) == 0; }
    constexpr int Count() const { return std::popcount(low) + std::popcount(high); }
    // The lowest cell of a non-empty set.
    constexpr int First() const { return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(high); }

    constexpr GridMask operator&(GridMask o) const { return {low & o.low, high & o.high}; }
    constexpr GridMask operator|(GridMask o) const { return {low | o.low, high | o.high}; }
    constexpr GridMask operator~() const { return GridMask{~low, ~high} & All(); }
    constexpr GridMask& operator&=(GridMask o) {
        low &= o.low;
        high &= o.high;
        return *this;
    }
    constexpr GridMask& operator|=(GridMask o) {
        low |= o.low;
        high |= o.high;
        return *this;
    }
    friend constexpr bool operator==(const GridMask&, const GridMask&) = default;
};

}  // namespace drz
