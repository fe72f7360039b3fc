// board.h — the board tables of all thirteen grids (digits, givens, candidate marks) in their stored order.
#pragma once

#include <array>
#include <cstdint>

namespace drz {

constexpr int kGridCount = 13;
constexpr int kCellTableSize = 1400;   // grid 0..13 x column 0..9 x row 0..9
constexpr int kMarkTableSize = 14000;  // ... x digit 0..9
constexpr int kDistinctCells = 909;    // 13 x 81 - 16 x 9
constexpr int kCellsPerDigit = 101;    // a solved board holds every digit this often

// The grid index varies fastest; this order is also the byte order of a board file.
constexpr int CellIndex(int k, int x, int y) { return k + 14 * x + 140 * y; }
constexpr int MarkIndex(int k, int x, int y, int d) { return CellIndex(k, x, y) + 1400 * d; }

// Index 0 of every dimension exists because it is part of the stored image; the game never reads it.
struct Board {
    std::array<std::uint8_t, kCellTableSize> CellValue{};       // digit in the cell, given or entered; 0 = empty
    std::array<std::uint8_t, kCellTableSize> GivenValue{};      // preset digit of a given cell; 0 = not a given
    std::array<bool, kMarkTableSize> CandidateMark{};           // candidate d of the cell is marked
    std::array<std::uint8_t, kMarkTableSize> CandidateImage{};  // 0 or 255 per mark, as a board file holds it
    // Distinct cells holding digit d. Wider than a byte: a board full of one repeated digit holds it 909 times.
    std::array<std::uint16_t, 10> DigitCount{};

    std::uint8_t& Cell(int k, int x, int y) { return CellValue[CellIndex(k, x, y)]; }
    std::uint8_t Cell(int k, int x, int y) const { return CellValue[CellIndex(k, x, y)]; }
    std::uint8_t& Given(int k, int x, int y) { return GivenValue[CellIndex(k, x, y)]; }
    std::uint8_t Given(int k, int x, int y) const { return GivenValue[CellIndex(k, x, y)]; }
    bool& Mark(int k, int x, int y, int d) { return CandidateMark[MarkIndex(k, x, y, d)]; }
    bool Mark(int k, int x, int y, int d) const { return CandidateMark[MarkIndex(k, x, y, d)]; }

    void SetAllMarks(bool on) { CandidateMark.fill(on); }
};

}  // namespace drz
