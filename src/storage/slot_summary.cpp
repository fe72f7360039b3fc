#include "storage/slot_summary.h"

#include <memory>

#include "board/board_ops.h"
#include "storage/board_file.h"

namespace drz {

SlotSummary SummariseSlot(const std::filesystem::path& file, int slot) {
    auto board = std::make_unique<Board>();
    const LoadOutcome load = LoadBoardSlot(*board, file, slot);
    if (load.status == LoadStatus::Missing) return {};
    if (!load.BoardChanged()) return {false, 0, 0};
    SlotSummary summary;
    summary.givens = CountGivens(*board);
    CountDigits(*board);
    int filled = 0;
    for (int d = 1; d <= 9; ++d) filled += board->DigitCount[d];
    summary.entries = filled - summary.givens;
    return summary;
}

}  // namespace drz
