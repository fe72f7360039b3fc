#include "storage/board_file_bytes.h"

#include <algorithm>

#include "storage/board_file_layout.h"

namespace drz {

namespace {

void PutFiller(BoardFileBytes& bytes, RandomSource& random) {
    for (std::size_t i = 0; i < kFillerBytes; ++i)
        bytes[kFillerOffset + i] = static_cast<std::uint8_t>(random.Random(9) + 1);
}

}  // namespace

BoardFileBytes EmptyBoardFile(RandomSource& random) {
    BoardFileBytes bytes(kBoardFileSize, 0);
    PutFiller(bytes, random);
    return bytes;
}

void PutBoard(BoardFileBytes& bytes, const Board& board, int slot, RandomSource& random) {
    std::copy(board.CellValue.begin(), board.CellValue.end(), bytes.begin() + CellBlockOffset(slot));
    std::copy(board.GivenValue.begin(), board.GivenValue.end(), bytes.begin() + GivenBlockOffset(slot));
    PutFiller(bytes, random);
    std::uint8_t* image = bytes.data() + CandidateBlockOffset(slot);
    std::fill(image, image + kCandidateBytes, 0);
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                for (int d = 1; d <= 9; ++d) image[MarkIndex(k, x, y, d)] = board.Mark(k, x, y, d) ? 0xFF : 0x00;
}

}  // namespace drz
