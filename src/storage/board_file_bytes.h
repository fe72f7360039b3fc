// board_file_bytes.h — a whole board file in memory: an empty one, and a board put into one of its slots.
#pragma once

#include <cstdint>
#include <vector>

#include "board/board.h"
#include "engine/random.h"

namespace drz {

using BoardFileBytes = std::vector<std::uint8_t>;

// 67929 bytes: four empty slots and 729 fresh filler digits 1..9.
BoardFileBytes EmptyBoardFile(RandomSource& random);

// Slot 0..3 gets the board as a save writes it (CellValue and GivenValue images, marks 1..9 as 0xFF/0x00,
// every index 0 element of the candidate block 0); the filler gets 729 fresh digits. Other slots keep their bytes.
void PutBoard(BoardFileBytes& bytes, const Board& board, int slot, RandomSource& random);

}  // namespace drz
