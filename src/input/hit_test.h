// hit_test.h — which cell of which grid a screen point lies on.
#pragma once

#include <optional>

namespace drz {

struct CellHit {
    int grid, column, row;
    friend bool operator==(const CellHit&, const CellHit&) = default;
};

// The first grid 1..13 whose rectangle holds the point (its right and bottom edges excluded), so a cell of a
// shared box is always hit through its lower-numbered grid, the primary copy.
std::optional<CellHit> HitTest(int x, int y);

}  // namespace drz
