#include "engine/generator_minimal.h"

#include <optional>
#include <vector>

#include "engine/exact_search.h"
#include "engine/generator.h"
#include "engine/symmetry.h"

namespace drz {

namespace {

bool Decided(SolutionCount count) { return count != SolutionCount::Unknown; }

// Pairs go in random order while the search proves one solution. Empty when a removal cannot be decided
// within the node limit: then the result could not be called minimal.
std::optional<MinimalPuzzle> Thin(const CellDigits& solution, RandomSource& random) {
    const DistinctCells& m = TheDistinctCells();
    std::vector<int> order = SymmetricPairs();
    for (int i = static_cast<int>(order.size()) - 1; i > 0; --i) std::swap(order[i], order[random.Random(i + 1)]);
    MinimalPuzzle p{solution, solution, 909, 0};
    for (int id : order) {
        const int mirror = m.cell[id].mirror;
        p.givens[id] = p.givens[mirror] = 0;
        const SolutionCount count = CountMinimalSolutions(p.givens).Count();
        if (!Decided(count)) return std::nullopt;
        if (count == SolutionCount::One) {
            p.givenCount -= mirror == id ? 1 : 2;
        } else {
            p.givens[id] = solution[id];
            p.givens[mirror] = solution[mirror];
        }
    }
    p.nodes = CountMinimalSolutions(p.givens).nodes;
    return p;
}

}  // namespace

bool SinglesFinish(const CellDigits& givens) {
    ExactLimits limits;
    limits.maxSolutions = 1;
    limits.maxNodes = 1;
    limits.probe = false;
    return CountSolutions(givens, limits).solutions == 1;
}

ExactResult CountMinimalSolutions(const CellDigits& givens) {
    ExactLimits limits;
    limits.maxNodes = kMinimalNodeLimit;
    return CountSolutions(givens, limits);
}

bool EveryPairNeeded(const CellDigits& givens) {
    const DistinctCells& m = TheDistinctCells();
    for (int id : SymmetricPairs()) {
        if (givens[id] == 0) continue;
        CellDigits fewer = givens;
        fewer[id] = fewer[m.cell[id].mirror] = 0;
        if (CountMinimalSolutions(fewer).Count() != SolutionCount::Several) return false;
    }
    return true;
}

MinimalPuzzle MakeMinimalPuzzle(RandomSource& random) {
    for (;;) {
        const std::optional<MinimalPuzzle> p = Thin(RandomSolution(random), random);
        if (p && !SinglesFinish(p->givens) && EveryPairNeeded(p->givens)) return *p;
    }
}

}  // namespace drz
