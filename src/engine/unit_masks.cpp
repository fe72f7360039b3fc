#include "engine/unit_masks.h"

namespace drz {

UnitMasks::UnitMasks(const Board& board) {
    DigitMask clash = 0;
    for (int k = 1; k <= kGridCount; ++k) {
        for (int y = 1; y <= 9; ++y) {
            for (int x = 1; x <= 9; ++x) {
                const DigitMask bit = DigitBit(board.Cell(k, x, y));
                DigitMask& row = row_[k][y];
                DigitMask& column = column_[k][x];
                DigitMask& box = box_[k][BoxOf(x, y)];
                // A digit already present in one of the cell's units is a repetition there.
                clash |= (row | column | box) & bit;
                row |= bit;
                column |= bit;
                box |= bit;
            }
        }
    }
    repeated_ = clash != 0;
}

}  // namespace drz
