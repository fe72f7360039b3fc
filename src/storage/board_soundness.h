// board_soundness.h — whether the bytes of a slot are a board: digits 0..9, givens by the rules, marks 0x00 or 0xFF.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "board/board.h"

namespace drz {

// What is wrong with the board blocks of a slot (1400 CellValue bytes, then 1400 GivenValue bytes), in
// German ("eine Zahl über 9"), or nothing when they are a board. Entries may break the rules (a wrong digit
// is the player's own), givens may not: they are judged with the primary copy of every shared cell in both
// grids, as the game plays them. Elements with an index 0 belong to no cell and are not judged.
std::optional<std::string> BoardBlocksFault(const std::uint8_t* boardBlocks);

// What is wrong with a candidate block of 14000 bytes: every mark the game reads is 0x00 or 0xFF (a byte
// kept for a boolean holds all bits for true). Elements with an index 0 are never read and not judged.
std::optional<std::string> CandidateBlockFault(const std::uint8_t* candidateBlock);

// The same judgement of the board in memory, as a save would write it.
std::optional<std::string> BoardFault(const Board& board);

}  // namespace drz
