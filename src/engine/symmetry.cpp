#include "engine/symmetry.h"

#include "engine/exact_cells.h"

namespace drz {

const std::vector<int>& SymmetricPairs() {
    static const std::vector<int> pairs = [] {
        const DistinctCells& m = TheDistinctCells();
        std::vector<int> reps;
        for (int id = 0; id < 909; ++id)
            if (m.cell[id].mirror >= id) reps.push_back(id);
        return reps;
    }();
    return pairs;
}

bool GivensPointSymmetric(const Board& board) {
    for (int k = 1; k <= 13; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if ((board.Given(k, x, y) != 0) != (board.Given(14 - k, 10 - x, 10 - y) != 0)) return false;
    return true;
}

}  // namespace drz
