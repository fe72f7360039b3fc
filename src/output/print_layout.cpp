#include "output/print_layout.h"

#include "board/geometry.h"

namespace drz {

namespace {

constexpr int kColumnUnits = 144;
constexpr int kRowUnits = 102;
constexpr int kCellUnitsX = 4;
constexpr int kCellUnitsY = 3;

// Nearest whole pixel of n / d for n, d > 0, halves rounded up.
int RoundedQuotient(int n, int d) { return (2 * n + d) / (2 * d); }

PagePoint LatticeCorner(PrintUnits units, int column, int row) {
    return {(5 + kCellUnitsX * column) * units.u, (1 + kCellUnitsY * row) * units.v};
}

}  // namespace

PrintUnits UnitsFor(int pageWidth, int pageHeight) {
    return {pageWidth > 0 ? pageWidth / kColumnUnits : 0, pageHeight > 0 ? pageHeight / kRowUnits : 0};
}

int GridColumnUnits(int k) { return 5 + kCellUnitsX * GridLatticeColumn(k); }
int GridRowUnits(int k) { return 1 + kCellUnitsY * GridLatticeRow(k); }

PagePoint CellCorner(PrintUnits units, int k, int x, int y) {
    return {GridColumnUnits(k) * units.u + (x - 1) * kCellUnitsX * units.u,
            GridRowUnits(k) * units.v + (y - 1) * kCellUnitsY * units.v};
}

PageBox PageBoxOf(PrintUnits units, const LatticeBox& box) {
    return {LatticeCorner(units, box.column, box.row), kCellUnitsX * box.columns * units.u,
            kCellUnitsY * box.rows * units.v};
}

PagePoint DigitAnchor(PrintUnits units, bool landscape, int k, int x, int y) {
    PagePoint p{(GridColumnUnits(k) + 1) * units.u + (x - 1) * kCellUnitsX * units.u,
                (GridRowUnits(k) - 1) * units.v + RoundedQuotient(11 * units.v, 10) + (y - 1) * kCellUnitsY * units.v};
    if (!landscape) {
        p.x -= RoundedQuotient(units.u, 2);
        p.y += RoundedQuotient(units.v, 3);
    }
    return p;
}

PagePoint DigitTextCorner(PagePoint anchor, bool numerals, int digit) {
    const int dx = numerals ? 7 : digit == 9 ? 14 : 5;
    return {anchor.x + dx, anchor.y - 4};
}

PagePoint TitleCorner(PrintUnits units) { return {5 * units.u, RoundedQuotient(201 * units.v, 2)}; }

std::string TitleLine(std::string_view levelName, int givens) {
    return "Schwierigkeitsgrad: " + std::string(levelName) + " mit " + std::to_string(givens) + " Zahlen";
}

}  // namespace drz
