#include "engine/unit_masks.h"

namespace drz {

UnitMasks::UnitMasks(const Board& board) {
    const std::uint8_t* cells = board.CellValue.data();
    DigitMask clash = 0;
    for (int k = 1; k <= kGridCount; ++k) {
        // Local masks: the compiler keeps them apart from the board bytes it reads.
        std::array<DigitMask, 10> column{};
        std::array<DigitMask, 9> box{};
        for (int y = 1; y <= 9; ++y) {
            DigitMask row = 0;
            const int firstBox = kBandOf[y] * 3;
#pragma GCC unroll 9
            for (int x = 1; x <= 9; ++x) {
                const DigitMask bit = DigitBit(cells[CellIndex(k, x, y)]);
                DigitMask& inBox = box[firstBox + kBandOf[x]];
                // A digit already present in one of the cell's units is a repetition there.
                clash |= (row | column[x] | inBox) & bit;
                row |= bit;
                column[x] |= bit;
                inBox |= bit;
            }
            row_[k][y] = row;
        }
        for (int i = 0; i < 9; ++i) {
            column_[k][i + 1] = column[i + 1];
            box_[k][i] = box[i];
        }
    }
    repeated_ = clash != 0;
}

}  // namespace drz
