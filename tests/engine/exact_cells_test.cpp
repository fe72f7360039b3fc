// Tests of the map between the grid tables and the 909 distinct cells.
#include <gtest/gtest.h>

#include <set>

#include "board/geometry.h"
#include "engine/exact_cells.h"
#include "engine/exact_fixtures.h"

namespace drz {
namespace {

TEST(ExactCells, EveryGridCellMapsToOneOfNineHundredNineCells) {
    const DistinctCells& m = TheDistinctCells();
    std::set<int> ids;
    int shared = 0;
    for (int k = 1; k <= 13; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int id = m.Id(k, x, y);
                ASSERT_GE(id, 0);
                ASSERT_LT(id, 909);
                ids.insert(id);
                const auto partner = PartnerCell(k, x, y);
                if (partner) {
                    EXPECT_EQ(m.Id(partner->k, partner->x, partner->y), id) << k << " " << x << " " << y;
                    ++shared;
                }
            }
    EXPECT_EQ(ids.size(), 909u);
    EXPECT_EQ(shared, 2 * 144);
    for (int i = 0; i < 1400; ++i) {
        const int k = i % 14, x = i / 14 % 10, y = i / 140;
        if (k == 0 || x == 0 || y == 0) {
            EXPECT_EQ(m.idOf[i], -1) << i;
        }
    }
}

TEST(ExactCells, CopiesArePrimaryThenSecondary) {
    const DistinctCells& m = TheDistinctCells();
    int withTwo = 0;
    for (const DistinctCell& c : m.cell) {
        ASSERT_GE(c.index[0], 0);
        if (c.index[1] < 0) continue;
        ++withTwo;
        EXPECT_LT(c.index[0] % 14, c.index[1] % 14) << "the lower-numbered grid holds the primary copy";
    }
    EXPECT_EQ(withTwo, 144);
}

TEST(ExactCells, UnitsAndNeighbours) {
    const DistinctCells& m = TheDistinctCells();
    for (const auto& unit : m.unit) EXPECT_EQ(std::set<int>(unit.begin(), unit.end()).size(), 9u);
    for (int id = 0; id < 909; ++id) {
        const DistinctCell& c = m.cell[id];
        const bool shared = c.index[1] >= 0;
        EXPECT_EQ(c.unitCount, shared ? 6 : 3);
        EXPECT_EQ(c.peerCount, shared ? 32 : 20);
        for (int i = 0; i < c.peerCount; ++i) {
            const DistinctCell& p = m.cell[c.peers[i]];
            EXPECT_NE(c.peers[i], id);
            EXPECT_NE(std::find(p.peers, p.peers + p.peerCount, id), p.peers + p.peerCount) << "peers are mutual";
        }
    }
    // Grid 4, cell (2, 8) lies in the box shared with grid 6, cell (8, 2): it sees grid 6's row 2.
    const DistinctCell& c = m.cell[m.Id(4, 2, 8)];
    EXPECT_EQ(m.Id(6, 8, 2), m.Id(4, 2, 8));
    EXPECT_NE(std::find(c.peers, c.peers + c.peerCount, m.Id(6, 1, 2)), c.peers + c.peerCount);
    EXPECT_EQ(std::find(c.peers, c.peers + c.peerCount, m.Id(6, 1, 3)), c.peers + c.peerCount);
}

TEST(ExactCells, UnitOrderFollowsTheSolversVisits) {
    const DistinctCells& m = TheDistinctCells();
    EXPECT_EQ(m.unit[RowUnit(5, 3)][0], m.Id(5, 1, 3));
    EXPECT_EQ(m.unit[RowUnit(5, 3)][8], m.Id(5, 9, 3));
    EXPECT_EQ(m.unit[ColumnUnit(5, 3)][1], m.Id(5, 3, 2));
    const auto& box = m.unit[BoxUnit(9, 4, 7)];
    EXPECT_EQ(box[0], m.Id(9, 4, 7));
    EXPECT_EQ(box[1], m.Id(9, 4, 8));  // rows inner
    EXPECT_EQ(box[3], m.Id(9, 5, 7));  // columns outer
}

TEST(ExactCells, HalfTurnMirror) {
    const DistinctCells& m = TheDistinctCells();
    for (int k = 1; k <= 13; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) EXPECT_EQ(m.cell[m.Id(k, x, y)].mirror, m.Id(14 - k, 10 - x, 10 - y));
    EXPECT_EQ(m.centre, m.Id(7, 5, 5));
    for (int id = 0; id < 909; ++id) EXPECT_EQ(m.cell[m.cell[id].mirror].mirror, id);
}

TEST(ExactCells, ReadAndWriteBothCopies) {
    Board b;
    const CellDigits pattern = testing::PatternSolution();
    WriteDistinct(pattern, b.CellValue);
    EXPECT_EQ(b.Cell(4, 1, 1), b.Cell(1, 7, 7));
    EXPECT_EQ(b.CellValue[0], 0);
    CellDigits back{};
    EXPECT_TRUE(ReadDistinct(b.CellValue, back));
    EXPECT_EQ(back, pattern);
    b.Cell(13, 3, 3) = static_cast<std::uint8_t>(b.Cell(13, 3, 3) % 9 + 1);  // secondary copy of grid 10's (9, 9)
    EXPECT_FALSE(ReadDistinct(b.CellValue, back));
}

TEST(ExactCells, LatticePatternIsAValidSolution) { EXPECT_TRUE(testing::GridsValid(testing::PatternSolution(), true)); }

}  // namespace
}  // namespace drz
