#include "engine/generator_minimal.h"

#include <vector>

#include "engine/exact_search.h"
#include "engine/generator.h"
#include "engine/symmetry.h"

namespace drz {

namespace {

// A removal the search cannot settle within this many trials is treated as losing uniqueness.
constexpr std::int64_t kNodeLimit = 200'000;

bool ProvedUnique(const CellDigits& givens) {
    ExactLimits limits;
    limits.maxNodes = kNodeLimit;
    return CountSolutions(givens, limits).Count() == SolutionCount::One;
}

MinimalPuzzle Thin(const CellDigits& solution, RandomSource& random) {
    const DistinctCells& m = TheDistinctCells();
    std::vector<int> order = SymmetricPairs();
    for (int i = static_cast<int>(order.size()) - 1; i > 0; --i) std::swap(order[i], order[random.Random(i + 1)]);
    MinimalPuzzle p{solution, solution, 909, 0};
    for (int id : order) {
        const int mirror = m.cell[id].mirror;
        p.givens[id] = p.givens[mirror] = 0;
        if (ProvedUnique(p.givens)) {
            p.givenCount -= mirror == id ? 1 : 2;
        } else {
            p.givens[id] = solution[id];
            p.givens[mirror] = solution[mirror];
        }
    }
    p.nodes = CountSolutions(p.givens).nodes;
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

MinimalPuzzle MakeMinimalPuzzle(RandomSource& random) {
    for (;;) {
        const MinimalPuzzle p = Thin(RandomSolution(random), random);
        if (!SinglesFinish(p.givens)) return p;
    }
}

}  // namespace drz
