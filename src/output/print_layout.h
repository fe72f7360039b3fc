// print_layout.h — where the printed board goes: the page units, the grids, the shared boxes, the digit anchors.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "board/board_layers.h"

namespace drz {

// The printable area is divided into 144 column units u and 102 row units v (whole device pixels).
struct PrintUnits {
    int u = 0;
    int v = 0;
};
PrintUnits UnitsFor(int pageWidth, int pageHeight);

struct PagePoint {
    int x = 0;
    int y = 0;
};

// Grid k's top-left corner in units: (5 + 4 * board column, 1 + 3 * board row).
int GridColumnUnits(int k);
int GridRowUnits(int k);
// Top-left pixel of cell (x, y) of grid k; a cell is 4u wide and 3v high.
PagePoint CellCorner(PrintUnits units, int k, int x, int y);

// A lattice rectangle on the page: its top-left pixel and its size (a cell is 4u wide and 3v high).
struct PageBox {
    PagePoint corner;
    int width = 0, height = 0;
};
PageBox PageBoxOf(PrintUnits units, const LatticeBox& box);

// The anchor (px, py) of the digit of cell (x, y) of grid k, moved for a portrait page.
PagePoint DigitAnchor(PrintUnits units, bool landscape, int k, int x, int y);
// Top-left corner of the text of digit d at that anchor: numerals, letters, and the narrow "I" further right.
PagePoint DigitTextCorner(PagePoint anchor, bool numerals, int digit);

PagePoint TitleCorner(PrintUnits units);
// "Schwierigkeitsgrad: Leicht mit 312 Zahlen"
std::string TitleLine(std::string_view levelName, int givens);

}  // namespace drz
