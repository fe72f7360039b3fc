// Grid placement and the shared boxes, checked against the lattice the grids sit on.
#include <gtest/gtest.h>

#include <set>

#include "board/board.h"
#include "board/geometry.h"
#include "oracle/lattice.h"

namespace drz {
namespace {

using oracle::CopiesOf;
using oracle::GridLatticeColumn;
using oracle::GridLatticeRow;
using oracle::kLatticeSize;
using oracle::LatticeX;
using oracle::LatticeY;

TEST(Geometry, PixelOriginsFollowTheLatticePlaces) {
    for (int k = 1; k <= 13; ++k) {
        EXPECT_EQ(GridOriginX[k], 29 + kCellWidth * GridLatticeColumn[k]) << "grid " << k;
        EXPECT_EQ(GridOriginY[k], 35 + kCellHeight * GridLatticeRow[k]) << "grid " << k;
    }
}

TEST(Geometry, LatticeHoldsNineHundredNineCellsNoneInMoreThanTwoGrids) {
    int cells = 0;
    int sharedCells = 0;
    for (int X = 0; X < kLatticeSize; ++X) {
        for (int Y = 0; Y < kLatticeSize; ++Y) {
            int grids = 0;
            for (int k = 1; k <= 13; ++k) grids += oracle::LatticeToCell(k, X, Y).has_value() ? 1 : 0;
            ASSERT_LE(grids, 2) << X << "," << Y;
            cells += grids > 0 ? 1 : 0;
            sharedCells += grids == 2 ? 1 : 0;
        }
    }
    EXPECT_EQ(cells, kDistinctCells);
    EXPECT_EQ(sharedCells, 16 * 9);
}

// Every entry of the shared-box table names two copies of the same lattice cell, and the table covers
// every lattice cell that lies in two grids exactly once, primary copy in the lower-numbered grid.
TEST(Geometry, SharedBoxTableMatchesTheOverlapsOfTheLattice) {
    std::set<std::pair<int, int>> covered;
    for (const SharedBox& box : SharedBoxes) {
        EXPECT_LT(box.primaryGrid, box.secondaryGrid);
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                const int px = box.primaryX0 + i, py = 7 + j;
                const int sx = box.secondaryX0 + i, sy = 1 + j;
                const int X = LatticeX(box.primaryGrid, px), Y = LatticeY(box.primaryGrid, py);
                EXPECT_EQ(LatticeX(box.secondaryGrid, sx), X);
                EXPECT_EQ(LatticeY(box.secondaryGrid, sy), Y);
                EXPECT_EQ(CopiesOf(X, Y).count, 2);
                EXPECT_TRUE(covered.insert({X, Y}).second) << "lattice cell " << X << "," << Y << " twice";
            }
        }
    }
    EXPECT_EQ(covered.size(), 144u);
}

TEST(Geometry, PartnerCellIsTheOtherCopyOnTheLattice) {
    int withPartner = 0;
    for (int k = 1; k <= 13; ++k) {
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                const auto partner = PartnerCell(k, x, y);
                const auto copies = CopiesOf(LatticeX(k, x), LatticeY(k, y));
                ASSERT_EQ(partner.has_value(), copies.count == 2) << k << ":" << x << "," << y;
                if (!partner) continue;
                ++withPartner;
                EXPECT_NE(partner->k, k);
                EXPECT_EQ(LatticeX(partner->k, partner->x), LatticeX(k, x));
                EXPECT_EQ(LatticeY(partner->k, partner->y), LatticeY(k, y));
                EXPECT_EQ(PartnerCell(partner->k, partner->x, partner->y), (CellRef{k, x, y}));
            }
        }
    }
    EXPECT_EQ(withPartner, 288);
}

TEST(Geometry, PartnerCellOutsideTheGridsIsNone) {
    EXPECT_FALSE(PartnerCell(0, 7, 7));
    EXPECT_FALSE(PartnerCell(14, 1, 1));
    EXPECT_FALSE(PartnerCell(1, 0, 9));
    EXPECT_FALSE(PartnerCell(1, 10, 9));
    EXPECT_FALSE(PartnerCell(4, 1, 0));
}

// Seen from each grid: corner grids share one box, edge grids two, inner grids four.
TEST(Geometry, SharedBoxesPerGrid) {
    const std::array<int, 14> expected = {0, 1, 2, 1, 4, 4, 2, 4, 2, 4, 4, 1, 2, 1};
    for (int k = 1; k <= 13; ++k) {
        int shared = 0;
        for (int x0 = 1; x0 <= 7; x0 += 3)
            for (int y0 = 1; y0 <= 7; y0 += 3) shared += IsSharedBox(k, x0, y0) ? 1 : 0;
        EXPECT_EQ(shared, expected[k]) << "grid " << k;
        EXPECT_FALSE(IsSharedBox(k, 4, 4)) << "the centre box is never shared";
    }
    EXPECT_TRUE(IsSharedBox(9, 1, 1));
    EXPECT_TRUE(IsSharedBox(9, 7, 1));
    EXPECT_TRUE(IsSharedBox(9, 1, 7));
    EXPECT_TRUE(IsSharedBox(9, 7, 7));
    EXPECT_FALSE(IsSharedBox(6, 1, 1));
}

}  // namespace
}  // namespace drz
