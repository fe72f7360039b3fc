#include "board_text.h"

#include <array>

#include "board/board_ops.h"
#include "board/geometry.h"
#include "engine/rules.h"
#include "model/verdict.h"

namespace drz::tool {

namespace {

constexpr int kLattice = 33;

// Lattice column and row of the top-left cell of each grid, from its pixel origin.
int LatticeColumn(int k) { return (GridOriginX[k] - 29) / kCellWidth; }
int LatticeRow(int k) { return (GridOriginY[k] - 35) / kCellHeight; }

std::string CellText(const Board& board, int k, int x, int y) {
    const std::uint8_t value = board.Cell(k, x, y);
    if (value == 0) return " .";
    if (value > 9) return " ?";
    const char digit = static_cast<char>('0' + value);
    return std::string(1, board.Given(k, x, y) == value ? ' ' : '*') + digit;
}

}  // namespace

std::string LatticeText(const Board& board) {
    std::array<std::array<std::string, kLattice>, kLattice> cells;
    for (auto& row : cells) row.fill("  ");
    // Higher grids first, so the lowest-numbered grid holding a cell has the last word.
    for (int k = kGridCount; k >= 1; --k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                cells[LatticeRow(k) + y - 1][LatticeColumn(k) + x - 1] = CellText(board, k, x, y);
    std::string text;
    for (const auto& row : cells) {
        std::string line;
        for (const std::string& cell : row) line += cell;
        while (!line.empty() && line.back() == ' ') line.pop_back();
        text += line + "\n";
    }
    return text;
}

std::string StatusText(Board& board) {
    CountDigits(board);
    return std::string(StatusTextOf(VerdictOf(board)));
}

}  // namespace drz::tool
