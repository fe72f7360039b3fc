#include "engine/random.h"

#include <chrono>
#include <random>

namespace drz {

namespace {

std::uint64_t SplitMix64(std::uint64_t& x) {
    x += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = x;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

constexpr std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

RandomSource::RandomSource(std::uint64_t seed) {
    for (std::uint64_t& word : state_) word = SplitMix64(seed);
}

std::uint64_t RandomSource::Next() {
    const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
}

int RandomSource::Random(int n) {
    if (n <= 1) return 0;
    const std::uint64_t range = static_cast<std::uint64_t>(n);
    // Draws at or above the largest multiple of n below 2^64 would favour the small results: draw again.
    const std::uint64_t limit = ~std::uint64_t{0} - (~std::uint64_t{0} % range + 1) % range;
    std::uint64_t draw = Next();
    while (draw > limit) draw = Next();
    return static_cast<int>(draw % range);
}

std::uint64_t FreshSeed() {
    std::random_device device;
    const std::uint64_t high = device();
    const std::uint64_t low = device();
    const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return ((high << 32) | low) ^ now;
}

}  // namespace drz
