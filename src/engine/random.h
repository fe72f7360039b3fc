// random.h — the game's one random source: a seeded generator whose numbers are the same on every machine.
#pragma once

#include <cstdint>

namespace drz {

// xoshiro256** seeded through SplitMix64. The algorithm is fixed here, not taken from a standard library,
// so a seed yields the same sequence of numbers — and so the same shuffle and the same dealt slot —
// everywhere. Pass it by reference to every operation that draws.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed);

    // The next raw 64-bit output.
    std::uint64_t Next();

    // A uniformly distributed whole number 0..n-1 (n >= 1; 0 for n <= 1), by rejection sampling, so no
    // value is favoured however n divides 2^64.
    int Random(int n);

private:
    std::uint64_t state_[4];
};

// A seed that differs from run to run (for the game; tests and the tool use fixed seeds).
std::uint64_t FreshSeed();

}  // namespace drz
