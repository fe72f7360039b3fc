// patterned_board.h — boards with a recognisable value in every element, for the board-operation tests.
#pragma once

#include <cstdint>

#include "board/board.h"
#include "oracle/lattice.h"

namespace drz::test {

// Every element of every table holds a value derived from its index, index 0 elements included, so that
// any element an operation changes, or fails to change, shows up.
inline Board PatternedBoard() {
    Board board;
    for (int i = 0; i < kCellTableSize; ++i) {
        board.CellValue[i] = static_cast<std::uint8_t>((i * 7 + 3) % 10);
        board.GivenValue[i] = static_cast<std::uint8_t>((i * 3 + 1) % 10);
    }
    for (int i = 0; i < kMarkTableSize; ++i) board.CandidateMark[i] = (i * 5 + i / 7) % 3 == 0;
    return board;
}

// Every cell of every grid filled from the lattice solution, both copies of a shared cell equal.
inline Board SolvedBoard() {
    Board board;
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                board.Cell(k, x, y) =
                    static_cast<std::uint8_t>(oracle::LatticeSolution(oracle::LatticeX(k, x), oracle::LatticeY(k, y)));
    return board;
}

// True for the elements the game never reads: index 0 of grid, column or row.
inline bool IsIndexZero(int cellIndex) {
    const int k = cellIndex % 14;
    const int x = cellIndex / 14 % 10;
    const int y = cellIndex / 140;
    return k == 0 || x == 0 || y == 0;
}

}  // namespace drz::test
