// geometry.h — where the thirteen grids sit on the lattice and on the screen, and which boxes two grids share.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace drz {

// Pixel position of the top-left corner of grid k (index 0 unused).
constexpr std::array<std::int16_t, 14> GridOriginX = {0, 29, 425, 821, 227, 623, 29, 425, 821, 227, 623, 29, 425, 821};
constexpr std::array<std::int16_t, 14> GridOriginY = {0, 35, 35, 35, 185, 185, 335, 335, 335, 485, 485, 635, 635, 635};

constexpr int kCellWidth = 33;  // pixels
constexpr int kCellHeight = 25;

constexpr std::array<std::string_view, 4> LevelName = {"Leicht", "Mittel", "Schwer", "Extrem"};

// One box held by two grids. The primary copy lies in the lower-numbered grid, always in its bottom row of
// boxes; the secondary copy lies in the top row of boxes of the other grid.
struct SharedBox {
    int primaryGrid;
    int primaryX0;  // 7 = bottom-right box, 1 = bottom-left box (rows 7..9)
    int secondaryGrid;
    int secondaryX0;  // 1 = top-left box, 7 = top-right box (rows 1..3)
};

// In the order in which the synchronisation operations process them.
constexpr std::array<SharedBox, 16> SharedBoxes = {{
    {1, 7, 4, 1},
    {2, 1, 4, 7},
    {2, 7, 5, 1},
    {3, 1, 5, 7},
    {4, 1, 6, 7},
    {4, 7, 7, 1},
    {5, 1, 7, 7},
    {5, 7, 8, 1},
    {6, 7, 9, 1},
    {7, 1, 9, 7},
    {7, 7, 10, 1},
    {8, 1, 10, 7},
    {9, 1, 11, 7},
    {9, 7, 12, 1},
    {10, 1, 12, 7},
    {10, 7, 13, 1},
}};

struct CellRef {
    int k, x, y;
    friend bool operator==(const CellRef&, const CellRef&) = default;
};

namespace detail {

constexpr int PartnerIndex(const CellRef& c) { return c.k + 14 * c.x + 140 * c.y; }

// The partner of every stored cell copy, by CellValue index (grid 0: none); built by the compiler.
constexpr std::array<CellRef, 1400> MakePartnerTable() {
    std::array<CellRef, 1400> partner{};
    for (const SharedBox& box : SharedBoxes) {
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                const CellRef primary{box.primaryGrid, box.primaryX0 + i, 7 + j};
                const CellRef secondary{box.secondaryGrid, box.secondaryX0 + i, 1 + j};
                partner[PartnerIndex(primary)] = secondary;
                partner[PartnerIndex(secondary)] = primary;
            }
        }
    }
    return partner;
}

inline constexpr std::array<CellRef, 1400> kPartnerTable = MakePartnerTable();

}  // namespace detail

// The other stored copy of cell (k, x, y), if the cell lies in a shared box.
constexpr std::optional<CellRef> PartnerCell(int k, int x, int y) {
    if (k < 1 || k > 13 || x < 1 || x > 9 || y < 1 || y > 9) return std::nullopt;
    const CellRef& partner = detail::kPartnerTable[k + 14 * x + 140 * y];
    if (partner.k == 0) return std::nullopt;
    return CellRef{partner.k, partner.x, partner.y};
}

// True if the box of grid k with top-left cell (x0, y0) is one of the sixteen shared boxes.
constexpr bool IsSharedBox(int k, int x0, int y0) { return PartnerCell(k, x0, y0).has_value(); }

}  // namespace drz
