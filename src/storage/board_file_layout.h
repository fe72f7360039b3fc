// board_file_layout.h — where each block of a board file lies: four board slots, the filler, four candidate blocks.
#pragma once

#include <cstddef>

namespace drz {

// A board file is exactly this long; its length is the only mark of its format.
inline constexpr std::size_t kBoardFileSize = 67929;
inline constexpr int kBoardSlots = 4;

inline constexpr std::size_t kTableBytes = 1400;       // one CellValue or GivenValue image
inline constexpr std::size_t kCandidateBytes = 14000;  // one CandidateImage
inline constexpr std::size_t kFillerOffset = 11200;
inline constexpr std::size_t kFillerBytes = 729;  // random digits 1..9, never read

constexpr std::size_t CellBlockOffset(int slot) { return 2800 * static_cast<std::size_t>(slot); }
constexpr std::size_t GivenBlockOffset(int slot) { return CellBlockOffset(slot) + kTableBytes; }
constexpr std::size_t CandidateBlockOffset(int slot) {
    return 11929 + kCandidateBytes * static_cast<std::size_t>(slot);
}
// A file shorter than this cannot hold the board blocks of the slot.
constexpr std::size_t BoardBlocksEnd(int slot) { return GivenBlockOffset(slot) + kTableBytes; }

static_assert(CandidateBlockOffset(kBoardSlots) == kBoardFileSize);
static_assert(kFillerOffset + kFillerBytes == CandidateBlockOffset(0));

}  // namespace drz
