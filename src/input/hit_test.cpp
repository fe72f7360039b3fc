#include "input/hit_test.h"

#include "board/board.h"
#include "board/geometry.h"

namespace drz {

namespace {
constexpr int kGridWidth = 9 * kCellWidth;    // 297
constexpr int kGridHeight = 9 * kCellHeight;  // 225
}  // namespace

std::optional<CellHit> HitTest(int x, int y) {
    for (int k = 1; k <= kGridCount; ++k) {
        const int left = GridOriginX[k];
        const int top = GridOriginY[k];
        if (x >= left && x < left + kGridWidth && y >= top && y < top + kGridHeight)
            return CellHit{k, (x - left) / kCellWidth + 1, (y - top) / kCellHeight + 1};
    }
    return std::nullopt;
}

}  // namespace drz
