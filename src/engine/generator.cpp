#include "engine/generator.h"

#include <optional>
#include <vector>

#include "engine/exact_search.h"
#include "engine/generator_deals.h"
#include "engine/generator_forced.h"
#include "engine/solver.h"
#include "engine/symmetry.h"

namespace drz {

namespace {

constexpr int kOrdersPerSolution = 4;  // removal orders tried on one solution before drawing a new one

struct Thinned {
    CellDigits givens;
    int count = 909;
    int passes = 0;
};

std::vector<int> ShuffledPairs(RandomSource& random) {
    std::vector<int> order = SymmetricPairs();
    for (int i = static_cast<int>(order.size()) - 1; i > 0; --i) std::swap(order[i], order[random.Random(i + 1)]);
    return order;
}

// Takes out symmetric pairs in random order while the forced-step passes still finish the board within
// the band's pass limit and the count stays inside the band. A non-minimal band stops at the first board
// in the band at or below a random target count; a minimal band tries every pair once.
std::optional<Thinned> Thin(const CellDigits& solution, const LevelBand& band, RandomSource& random) {
    const DistinctCells& m = TheDistinctCells();
    const int target = band.minGivens + random.Random(band.maxGivens - band.minGivens + 1);
    Thinned t{solution, 909, 0};
    for (int id : ShuffledPairs(random)) {
        if (!band.minimal && t.count <= target && band.Holds(t.count, t.passes)) break;
        const int mirror = m.cell[id].mirror;
        const int count = t.count - (mirror == id ? 1 : 2);
        if (count < band.minGivens) continue;
        t.givens[id] = t.givens[mirror] = 0;
        const ForcedRun run = RunForcedPasses(t.givens);
        if (run.solved && run.passes <= band.maxPasses) {
            t.count = count;
            t.passes = run.passes;
        } else {
            t.givens[id] = solution[id];
            t.givens[mirror] = solution[mirror];
        }
    }
    if (!band.Holds(t.count, t.passes)) return std::nullopt;
    return t;
}

// The final word on a thinned board: one solution by the exact search, solved by the game's SolveBoard,
// and solved on every deal of the set. The removal loop judges the board only as it stands, which is cheap;
// a board that a shuffle makes too hard is thrown away here, like one that ends outside its band.
bool Confirmed(GeneratedBoard& g) {
    const ExactResult r = CountSolutions(g.board);
    if (r.Count() != SolutionCount::One || r.solution != g.solution) return false;
    Board copy = g.board;
    SolveHooks quiet;
    if (!SolveBoard(copy, quiet).solved) return false;
    const DealCheck deals = CheckDeals(g.board, true);
    g.dealPasses = deals.worstPasses;
    return deals.EveryDealSolved();
}

GeneratedBoard MakeBoard(const Thinned& t, const CellDigits& solution) {
    GeneratedBoard g;
    WriteDistinct(t.givens, g.board.CellValue);
    WriteDistinct(t.givens, g.board.GivenValue);
    g.solution = solution;
    g.givens = t.count;
    g.passes = t.passes;
    return g;
}

}  // namespace

CellDigits RandomSolution(RandomSource& random) {
    ExactLimits limits;
    limits.maxSolutions = 1;
    limits.random = [&random](int n) { return random.Random(n); };
    for (;;) {
        const ExactResult r = CountSolutions(CellDigits{}, limits);
        if (r.solutions == 1) return r.solution;
    }
}

GeneratedBoard GenerateBoard(const LevelBand& band, RandomSource& random) {
    int attempts = 0;
    for (;;) {
        const CellDigits solution = RandomSolution(random);
        for (int order = 0; order < kOrdersPerSolution; ++order) {
            ++attempts;
            const std::optional<Thinned> t = Thin(solution, band, random);
            if (!t) continue;
            GeneratedBoard g = MakeBoard(*t, solution);
            g.attempts = attempts;
            if (Confirmed(g)) return g;
        }
    }
}

std::array<GeneratedBoard, 4> GenerateLevelBoards(const LevelBand& band, RandomSource& random) {
    std::array<GeneratedBoard, 4> boards;
    for (int i = 0; i < 4; ++i) {
        bool repeated = true;
        while (repeated) {
            boards[i] = GenerateBoard(band, random);
            repeated = false;
            for (int j = 0; j < i; ++j) repeated = repeated || boards[j].solution == boards[i].solution;
        }
    }
    return boards;
}

}  // namespace drz
