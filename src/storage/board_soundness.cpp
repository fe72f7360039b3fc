#include "storage/board_soundness.h"

#include <algorithm>
#include <memory>

#include "board/board_ops.h"
#include "engine/rules.h"

namespace drz {

namespace {

// Elements with an index 0 belong to no cell: the game never reads them, so they are not judged.
bool DigitAboveNine(const std::uint8_t* table) {
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (table[CellIndex(k, x, y)] > 9) return true;
    return false;
}

std::optional<std::string> TablesFault(const std::uint8_t* cells, const std::uint8_t* givens) {
    if (DigitAboveNine(cells) || DigitAboveNine(givens)) return "eine Zahl über 9";
    // Judged as the game plays it: the primary copy of a shared cell is brought into the other grid first.
    auto givensOnly = std::make_unique<Board>();
    std::copy_n(givens, kCellTableSize, givensOnly->CellValue.begin());
    SyncSharedBoxes(*givensOnly);
    if (!BoardValid(*givensOnly)) return "eine Vorgabe steht zweimal in einer Reihe, Spalte oder einem Kasten";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> BoardBlocksFault(const std::uint8_t* boardBlocks) {
    return TablesFault(boardBlocks, boardBlocks + kCellTableSize);
}

std::optional<std::string> CandidateBlockFault(const std::uint8_t* candidateBlock) {
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                for (int d = 1; d <= 9; ++d) {
                    const std::uint8_t mark = candidateBlock[MarkIndex(k, x, y, d)];
                    if (mark != 0x00 && mark != 0xFF) return "eine Kandidaten-Markierung ist weder 0 noch 255";
                }
    return std::nullopt;
}

std::optional<std::string> BoardFault(const Board& board) {
    return TablesFault(board.CellValue.data(), board.GivenValue.data());
}

}  // namespace drz
