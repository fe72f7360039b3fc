// exact_fixtures.h — boards for the exact-search and generator tests: full solutions, rule checks, a naive counter.
#pragma once

#include <cstdint>
#include <random>

#include "board/board.h"
#include "engine/exact_cells.h"

namespace drz::testing {

// A full solution from the lattice pattern: every aligned 9 x 9 window of it is a valid grid.
inline CellDigits PatternSolution() {
    const DistinctCells& m = TheDistinctCells();
    CellDigits s{};
    for (int id = 0; id < 909; ++id) {
        const int c = m.cell[id].lattice % 33, r = m.cell[id].lattice / 33;
        s[id] = static_cast<std::uint8_t>((3 * (r % 3) + r / 3 + c) % 9 + 1);
    }
    return s;
}

// Checks the digits against the rule of every grid, read through grid coordinates, not through the unit table.
inline bool GridsValid(const CellDigits& digits, bool requireFull) {
    const DistinctCells& m = TheDistinctCells();
    auto unitOk = [&](auto cellAt) {
        int seen = 0;
        for (int i = 0; i < 9; ++i) {
            const int d = digits[cellAt(i)];
            if (d == 0) {
                if (requireFull) return false;
                continue;
            }
            if (seen & (1 << d)) return false;
            seen |= 1 << d;
        }
        return true;
    };
    for (int k = 1; k <= 13; ++k)
        for (int i = 1; i <= 9; ++i) {
            const int x0 = 1 + 3 * ((i - 1) % 3), y0 = 1 + 3 * ((i - 1) / 3);
            if (!unitOk([&](int j) { return m.Id(k, j + 1, i); }) ||
                !unitOk([&](int j) { return m.Id(k, i, j + 1); }) ||
                !unitOk([&](int j) { return m.Id(k, x0 + j % 3, y0 + j / 3); }))
                return false;
        }
    return true;
}

inline Board BoardOf(const CellDigits& digits) {
    Board b;
    WriteDistinct(digits, b.CellValue);
    return b;
}

// Counts completions by plain backtracking over the empty cells in numbering order, up to `limit`.
inline int NaiveCompletions(CellDigits& digits, int limit, int from) {
    const DistinctCells& m = TheDistinctCells();
    int id = from;
    while (id < 909 && digits[id] != 0) ++id;
    if (id == 909) return 1;
    int count = 0;
    for (int d = 1; d <= 9 && count < limit; ++d) {
        bool free = true;
        for (int p = 0; p < m.cell[id].peerCount && free; ++p) free = digits[m.cell[id].peers[p]] != d;
        if (!free) continue;
        digits[id] = static_cast<std::uint8_t>(d);
        count += NaiveCompletions(digits, limit - count, id + 1);
        digits[id] = 0;
    }
    return count;
}

inline int NaiveCount(CellDigits& digits, int limit) {
    return GridsValid(digits, false) ? NaiveCompletions(digits, limit, 0) : 0;
}

// Random(n) for tests, from a fixed seed.
struct TestRandom {
    std::mt19937 engine;
    explicit TestRandom(unsigned seed) : engine(seed) {}
    int operator()(int n) { return static_cast<int>(engine() % static_cast<unsigned>(n)); }
};

}  // namespace drz::testing
