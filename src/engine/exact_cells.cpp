#include "engine/exact_cells.h"

#include <algorithm>

namespace drz {

namespace {

constexpr int kLattice = 33;

int LatticeOf(int k, int x, int y) { return (GridLatticeColumn[k] + x - 1) + kLattice * (GridLatticeRow[k] + y - 1); }

// Distinct cells numbered in lattice order, each copy recorded in grid order (primary first).
void NumberCells(DistinctCells& m) {
    std::array<std::int16_t, kLattice * kLattice> idAt;
    idAt.fill(-1);
    for (int k = 1; k <= 13; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) idAt[LatticeOf(k, x, y)] = 0;
    int next = 0;
    for (int l = 0; l < kLattice * kLattice; ++l)
        if (idAt[l] == 0) {
            idAt[l] = static_cast<std::int16_t>(next);
            DistinctCell& c = m.cell[next++];
            c = DistinctCell{};
            c.index[0] = c.index[1] = -1;
            c.lattice = static_cast<std::int16_t>(l);
        }
    m.idOf.fill(-1);
    for (int k = 1; k <= 13; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int id = idAt[LatticeOf(k, x, y)];
                const int index = k + 14 * x + 140 * y;
                m.idOf[index] = static_cast<std::int16_t>(id);
                DistinctCell& c = m.cell[id];
                c.index[c.index[0] < 0 ? 0 : 1] = static_cast<std::int16_t>(index);
            }
    for (int id = 0; id < 909; ++id) {
        const int l = m.cell[id].lattice;
        const int mirrored = (kLattice - 1 - l % kLattice) + kLattice * (kLattice - 1 - l / kLattice);
        m.cell[id].mirror = idAt[mirrored];
        if (m.cell[id].mirror == id) m.centre = id;
    }
}

void AddUnit(DistinctCells& m, int u, int slot, int k, int x, int y) {
    const int id = m.Id(k, x, y);
    m.unit[u][slot] = static_cast<std::int16_t>(id);
    DistinctCell& c = m.cell[id];
    c.units[c.unitCount++] = static_cast<std::int16_t>(u);
}

// Rows and columns in ascending order, box cells with the column outer: the order the solver visits them.
void BuildUnits(DistinctCells& m) {
    for (int k = 1; k <= 13; ++k)
        for (int i = 1; i <= 9; ++i)
            for (int j = 1; j <= 9; ++j) {
                AddUnit(m, RowUnit(k, i), j - 1, k, j, i);
                AddUnit(m, ColumnUnit(k, i), j - 1, k, i, j);
                const int x0 = 1 + 3 * ((i - 1) % 3), y0 = 1 + 3 * ((i - 1) / 3);
                const int x = x0 + (j - 1) / 3, y = y0 + (j - 1) % 3;
                AddUnit(m, BoxUnit(k, x0, y0), j - 1, k, x, y);
            }
}

void BuildPeers(DistinctCells& m) {
    for (int id = 0; id < 909; ++id) {
        DistinctCell& c = m.cell[id];
        for (int i = 0; i < c.unitCount; ++i)
            for (std::int16_t other : m.unit[c.units[i]]) {
                if (other == id) continue;
                std::int16_t* end = c.peers + c.peerCount;
                if (std::find(c.peers, end, other) == end) c.peers[c.peerCount++] = other;
            }
        std::sort(c.peers, c.peers + c.peerCount);
    }
}

DistinctCells Build() {
    DistinctCells m{};
    NumberCells(m);
    BuildUnits(m);
    BuildPeers(m);
    return m;
}

}  // namespace

const DistinctCells& TheDistinctCells() {
    static const DistinctCells cells = Build();
    return cells;
}

bool ReadDistinct(const std::array<std::uint8_t, 1400>& table, CellDigits& out) {
    const DistinctCells& m = TheDistinctCells();
    bool equal = true;
    for (int id = 0; id < 909; ++id) {
        const DistinctCell& c = m.cell[id];
        out[id] = table[c.index[0]];
        if (c.index[1] >= 0 && table[c.index[1]] != out[id]) equal = false;
    }
    return equal;
}

void WriteDistinct(const CellDigits& digits, std::array<std::uint8_t, 1400>& table) {
    const DistinctCells& m = TheDistinctCells();
    for (int id = 0; id < 909; ++id)
        for (std::int16_t index : m.cell[id].index)
            if (index >= 0) table[index] = digits[id];
}

}  // namespace drz
