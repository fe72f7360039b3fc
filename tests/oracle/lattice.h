// lattice.h — the 33 x 33 lattice the thirteen grids sit on, and a full solution written on it.
#pragma once

#include <array>
#include <optional>

#include "board/geometry.h"

// Header-only, so that tests which do not link the oracle library can use it too.
namespace drz::oracle {

constexpr int kLatticeSize = 33;

// Lattice column and row of the top-left cell of grid k (index 0 unused); the pixel origins follow from
// them: x = 29 + 33 column, y = 35 + 25 row.
constexpr std::array<int, 14> GridLatticeColumn = {0, 0, 12, 24, 6, 18, 0, 12, 24, 6, 18, 0, 12, 24};
constexpr std::array<int, 14> GridLatticeRow = {0, 0, 0, 0, 6, 6, 12, 12, 12, 18, 18, 24, 24, 24};

// Cell (x, y) of grid k, if lattice cell (X, Y) lies in grid k.
constexpr std::optional<CellRef> LatticeToCell(int k, int X, int Y) {
    const int x = X - GridLatticeColumn[k] + 1;
    const int y = Y - GridLatticeRow[k] + 1;
    if (x < 1 || x > 9 || y < 1 || y > 9) return std::nullopt;
    return CellRef{k, x, y};
}

// Lattice column and row of cell (x, y) of grid k.
constexpr int LatticeX(int k, int x) { return GridLatticeColumn[k] + x - 1; }
constexpr int LatticeY(int k, int y) { return GridLatticeRow[k] + y - 1; }

// The stored copies of lattice cell (X, Y): none off the board, two in a shared box, one elsewhere.
struct LatticeCopies {
    std::array<CellRef, 2> copy{};
    int count = 0;
};

constexpr LatticeCopies CopiesOf(int X, int Y) {
    LatticeCopies copies;
    for (int k = 1; k <= 13; ++k) {
        if (auto cell = LatticeToCell(k, X, Y); cell && copies.count < 2) copies.copy[copies.count++] = *cell;
    }
    return copies;
}

// A full solution of every grid: each 9 x 9 window whose origin lies on a multiple of 6 holds every digit
// once per row, column and box, and all thirteen grids are such windows.
constexpr int LatticeSolution(int X, int Y) { return (3 * (Y % 3) + (Y / 3) % 3 + X) % 9 + 1; }

}  // namespace drz::oracle
