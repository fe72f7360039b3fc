#include "storage/slot_summary.h"

#include <memory>

#include "board/board_ops.h"
#include "board/geometry.h"
#include "storage/board_file.h"

namespace drz {

namespace {

// A cell of a shared box counts once, through its lower-numbered grid.
bool SecondaryCopy(int k, int x, int y) {
    const std::optional<CellRef> partner = PartnerCell(k, x, y);
    return partner && partner->k < k;
}

}  // namespace

SlotSummary SummariseSlot(const std::filesystem::path& file, int slot) {
    auto board = std::make_unique<Board>();
    const LoadOutcome load = LoadBoardSlot(*board, file, slot);
    if (load.status == LoadStatus::Missing) return {};
    SlotSummary summary;
    summary.damaged = load.status == LoadStatus::Damaged;
    summary.readable = load.BoardChanged() || summary.damaged;
    if (!load.BoardChanged()) return summary;
    SyncSharedBoxes(*board);
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                if (SecondaryCopy(k, x, y)) continue;
                if (board->Given(k, x, y) != 0)
                    ++summary.givens;
                else if (board->Cell(k, x, y) != 0)
                    ++summary.entries;
            }
    return summary;
}

}  // namespace drz
