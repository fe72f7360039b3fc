// The cursor's moves on the lattice.
#include "input/cursor_moves.h"

#include "board/board_layers.h"

namespace drz {

namespace {

constexpr int kLattice = 33;

struct LatticePoint {
    int column, row;
};

LatticePoint PointOf(CellRef cell) {
    return {GridLatticeColumn(cell.k) + cell.x - 1, GridLatticeRow(cell.k) + cell.y - 1};
}

CellRef StepOver(CellRef from, int dx, int dy) {
    LatticePoint p = PointOf(from);
    for (;;) {
        p.column += dx, p.row += dy;
        if (p.column < 0 || p.column >= kLattice || p.row < 0 || p.row >= kLattice) return from;
        if (const std::optional<CellRef> cell = LatticeCell(p.column, p.row)) return *cell;
    }
}

CellRef RowEndOf(CellRef from, bool last) {
    const int row = PointOf(from).row;
    for (int i = 0; i < kLattice; ++i)
        if (const std::optional<CellRef> cell = LatticeCell(last ? kLattice - 1 - i : i, row)) return *cell;
    return from;
}

CellRef NextEmptyOf(const Board& board, CellRef from, int direction) {
    const LatticePoint p = PointOf(from);
    const int start = p.row * kLattice + p.column;
    constexpr int kPoints = kLattice * kLattice;
    for (int i = 1; i < kPoints; ++i) {
        const int n = ((start + direction * i) % kPoints + kPoints) % kPoints;
        const std::optional<CellRef> cell = LatticeCell(n % kLattice, n / kLattice);
        if (cell && board.Cell(cell->k, cell->x, cell->y) == 0) return *cell;
    }
    return from;
}

}  // namespace

std::optional<CellRef> LatticeCell(int column, int row) {
    for (int k = 1; k <= kGridCount; ++k) {
        const int x = column - GridLatticeColumn(k) + 1;
        const int y = row - GridLatticeRow(k) + 1;
        if (x >= 1 && x <= 9 && y >= 1 && y <= 9) return CellRef{k, x, y};
    }
    return std::nullopt;
}

CellRef MovedCursor(const Board& board, CellRef from, CursorMove move) {
    switch (move) {
        case CursorMove::Left:
            return StepOver(from, -1, 0);
        case CursorMove::Right:
            return StepOver(from, 1, 0);
        case CursorMove::Up:
            return StepOver(from, 0, -1);
        case CursorMove::Down:
            return StepOver(from, 0, 1);
        case CursorMove::RowStart:
            return RowEndOf(from, false);
        case CursorMove::RowEnd:
            return RowEndOf(from, true);
        case CursorMove::NextEmpty:
            return NextEmptyOf(board, from, 1);
        case CursorMove::PreviousEmpty:
            return NextEmptyOf(board, from, -1);
    }
    return from;
}

}  // namespace drz
