// exact_cells.h — the 909 distinct cells of the board: their copies in the grid tables, units, neighbours, mirror.
#pragma once

#include <array>
#include <cstdint>

namespace drz {

constexpr int kUnitCount = 351;      // 13 grids x (9 rows + 9 columns + 9 boxes)
constexpr int kMaxUnitsPerCell = 6;  // a shared cell lies in three units of each of its two grids
constexpr int kMaxPeers = 32;        // 20 in one grid; 20 + 20 - 8 for a shared cell

// A digit 0..9 for every distinct cell, in the numbering of DistinctCells.
using CellDigits = std::array<std::uint8_t, 909>;

// One distinct cell: where its copies lie in the grid tables and what it sees.
struct DistinctCell {
    std::int16_t index[2];  // CellIndex of the primary copy and of the secondary copy (-1 if none)
    std::int16_t lattice;   // column + 33 * row on the 33 x 33 lattice
    std::int16_t mirror;    // the distinct cell reached by a half turn of the board
    std::uint8_t unitCount;
    std::uint8_t peerCount;
    std::int16_t units[kMaxUnitsPerCell];
    std::int16_t peers[kMaxPeers];
};

// The static map between the grid tables and the distinct cells, built once.
struct DistinctCells {
    std::array<DistinctCell, 909> cell;
    std::array<std::array<std::int16_t, 9>, kUnitCount> unit;  // unit u: cells in grid order
    std::array<std::int16_t, 1400> idOf;                       // CellIndex -> distinct cell, -1 outside the grids
    int centre;                                                // the one cell that is its own mirror

    int Id(int k, int x, int y) const { return idOf[k + 14 * x + 140 * y]; }
};

// Lattice column and row of the top-left cell of grid k (index 0 unused).
constexpr std::array<int, 14> GridLatticeColumn = {0, 0, 12, 24, 6, 18, 0, 12, 24, 6, 18, 0, 12, 24};
constexpr std::array<int, 14> GridLatticeRow = {0, 0, 0, 0, 6, 6, 12, 12, 12, 18, 18, 24, 24, 24};

// Unit numbering: grid k (1..13) owns units 27(k-1) + 0..8 (rows y), +9..17 (columns x), +18..26 (boxes).
constexpr int RowUnit(int k, int y) { return 27 * (k - 1) + (y - 1); }
constexpr int ColumnUnit(int k, int x) { return 27 * (k - 1) + 9 + (x - 1); }
constexpr int BoxUnit(int k, int x, int y) { return 27 * (k - 1) + 18 + 3 * ((y - 1) / 3) + (x - 1) / 3; }

const DistinctCells& TheDistinctCells();

// Reads one table (CellValue or GivenValue) into distinct cells; false when the two copies of a shared cell differ.
bool ReadDistinct(const std::array<std::uint8_t, 1400>& table, CellDigits& out);
// Writes distinct cells into both copies of one table; index-0 elements are left alone.
void WriteDistinct(const CellDigits& digits, std::array<std::uint8_t, 1400>& table);

}  // namespace drz
