// board_outline.h — the bevelled outline of the whole board: 36 edges, each a pair of one-pixel lines.
#pragma once

#include <array>

#include "board/board_layers.h"
#include "board/geometry.h"

namespace drz {

struct OutlineEdge {
    int colour;              // palette index: 15 for edges facing up or left, 0 for edges facing down or right
    int ax1, ay1, ax2, ay2;  // first line
    int bx1, by1, bx2, by2;  // second line
};

// In drawing order: the light edges, then the dark ones.
constexpr std::array<OutlineEdge, 36> kBoardOutline = {{
    {15, 14, 19, 339, 19, 14, 20, 339, 20},          {15, 410, 19, 735, 19, 410, 20, 735, 20},
    {15, 806, 19, 1131, 19, 806, 20, 1131, 20},      {15, 14, 19, 14, 275, 15, 19, 15, 275},
    {15, 410, 19, 410, 170, 411, 19, 411, 171},      {15, 806, 19, 806, 170, 807, 19, 807, 171},
    {15, 339, 169, 411, 169, 339, 170, 411, 170},    {15, 212, 275, 212, 320, 213, 275, 213, 322},
    {15, 14, 320, 213, 320, 14, 321, 213, 321},      {15, 14, 320, 14, 576, 15, 320, 15, 576},
    {15, 14, 620, 213, 620, 14, 621, 213, 621},      {15, 933, 620, 1131, 620, 933, 621, 1131, 621},
    {15, 14, 620, 14, 874, 15, 620, 15, 874},        {15, 734, 169, 806, 169, 735, 170, 806, 170},
    {15, 933, 320, 1131, 320, 933, 321, 1131, 321},  {15, 410, 725, 410, 874, 411, 725, 411, 874},
    {15, 212, 576, 212, 621, 213, 576, 213, 621},    {15, 806, 725, 806, 874, 807, 725, 807, 874},
    {0, 339, 20, 339, 170, 340, 19, 340, 169},       {0, 735, 20, 735, 170, 736, 19, 736, 169},
    {0, 1131, 20, 1131, 275, 1132, 19, 1132, 275},   {0, 15, 275, 213, 275, 14, 276, 212, 276},
    {0, 933, 275, 1133, 275, 933, 276, 1133, 276},   {0, 934, 275, 934, 320, 933, 275, 933, 321},
    {0, 1131, 321, 1131, 576, 1132, 320, 1132, 576}, {0, 933, 574, 1133, 574, 933, 575, 1133, 575},
    {0, 933, 576, 933, 621, 934, 576, 934, 620},     {0, 735, 724, 806, 724, 735, 725, 806, 725},
    {0, 735, 725, 735, 873, 736, 725, 736, 873},     {0, 1131, 621, 1131, 874, 1132, 620, 1132, 874},
    {0, 15, 873, 341, 873, 14, 874, 341, 874},       {0, 411, 873, 737, 873, 410, 874, 737, 874},
    {0, 806, 873, 1133, 873, 806, 874, 1133, 874},   {0, 339, 725, 410, 725, 339, 724, 411, 724},
    {0, 339, 725, 339, 873, 340, 724, 340, 874},     {0, 15, 574, 213, 574, 14, 575, 212, 575},
}};

// The four sunken frames in holes of the lattice: x1, y1, x2, y2.
constexpr std::array<std::array<int, 4>, 4> kHoleFrames = {{
    {537, 274, 609, 320},
    {537, 574, 609, 620},
    {339, 424, 411, 471},
    {735, 424, 807, 471},
}};

// The sixteen shared boxes are outlined in red: left edges 29 + a, top edges 35 + b (pixels of the lattice
// columns and rows where they lie).
constexpr std::array<int, 4> kSharedBoxA = {kCellWidth * kSharedBoxLattice[0], kCellWidth* kSharedBoxLattice[1],
                                            kCellWidth* kSharedBoxLattice[2], kCellWidth* kSharedBoxLattice[3]};
constexpr std::array<int, 4> kSharedBoxB = {kCellHeight * kSharedBoxLattice[0], kCellHeight* kSharedBoxLattice[1],
                                            kCellHeight* kSharedBoxLattice[2], kCellHeight* kSharedBoxLattice[3]};
static_assert(kSharedBoxA[0] == 198 && kSharedBoxB[3] == 600);

}  // namespace drz
