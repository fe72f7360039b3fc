// cell_geometry.h — where a cell of a grid lies on the screen, and where its face and glyphs go.
#pragma once

#include "board/board_layers.h"
#include "board/geometry.h"

namespace drz {

// Left and top pixel of cell (x, y) of grid k: the cell's own left and top lines.
constexpr int CellLeft(int k, int x) { return GridOriginX[k] + kCellWidth * (x - 1); }
constexpr int CellTop(int k, int y) { return GridOriginY[k] + kCellHeight * (y - 1); }

// A lattice rectangle in screen pixels: its lines from (x1, y1) to (x2, y2).
struct ScreenBox {
    int x1, y1, x2, y2;
};
constexpr ScreenBox ScreenBoxOf(const LatticeBox& b) {
    const int x1 = GridOriginX[1] + kCellWidth * b.column;
    const int y1 = GridOriginY[1] + kCellHeight * b.row;
    return {x1, y1, x1 + kCellWidth * b.columns, y1 + kCellHeight * b.rows};
}

// The face of a cell: inside its lines, one pixel short where a two-pixel box line runs along it.
struct FaceBox {
    int x1, y1, x2, y2;
};
constexpr FaceBox CellFace(int k, int x, int y) {
    const int fx = CellLeft(k, x) + 1;
    const int fy = CellTop(k, y) + 1;
    return {fx, fy, fx + (x % 3 == 0 ? 30 : 31), fy + (y % 3 == 0 ? 22 : 23)};
}

// Left edge of a digit glyph on a cell face whose left edge is faceX: numerals 7 pixels in, letters 5,
// the narrow "I" 11.
constexpr int CellGlyphX(int faceX, int digit, bool numerals) {
    if (numerals) return faceX + 7;
    return faceX + (digit == 9 ? 11 : 5);
}

// Top-left of the candidate mark d (1..9) in the cell whose lines start at (left, top): reading order in a
// 3 x 3 pattern, columns 10 pixels and rows 8 pixels apart.
constexpr int CandidateX(int left, int d) { return left + 10 * ((d - 1) % 3) + 3; }
constexpr int CandidateY(int top, int d) { return top + 8 * ((d - 1) / 3); }

}  // namespace drz
