#include "board/geometry.h"

namespace drz {

namespace {

// Column offset between the two copies, and the row offset (always 6).
struct PartnerTable {
    std::array<std::optional<CellRef>, 1400> partner{};

    constexpr PartnerTable() {
        for (const SharedBox& box : SharedBoxes) {
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j) {
                    CellRef primary{box.primaryGrid, box.primaryX0 + i, 7 + j};
                    CellRef secondary{box.secondaryGrid, box.secondaryX0 + i, 1 + j};
                    partner[Index(primary)] = secondary;
                    partner[Index(secondary)] = primary;
                }
            }
        }
    }
    static constexpr int Index(const CellRef& c) { return c.k + 14 * c.x + 140 * c.y; }
};

const PartnerTable kPartners;

}  // namespace

std::optional<CellRef> PartnerCell(int k, int x, int y) {
    if (k < 1 || k > 13 || x < 1 || x > 9 || y < 1 || y > 9) return std::nullopt;
    return kPartners.partner[k + 14 * x + 140 * y];
}

bool IsSharedBox(int k, int x0, int y0) { return PartnerCell(k, x0, y0).has_value(); }

}  // namespace drz
