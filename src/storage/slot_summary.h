// slot_summary.h — what a slot of a board file holds, in numbers, so a player sees it before loading or saving.
#pragma once

#include <filesystem>

namespace drz {

struct SlotSummary {
    bool readable = true;  // false: the file exists but this slot cannot be read from it
    bool damaged = false;  // the slot's bytes are no board: it is never loaded
    int givens = 0;        // distinct given cells
    int entries = 0;       // distinct filled cells that are not givens
    bool Empty() const { return readable && !damaged && givens == 0 && entries == 0; }
};

// Slot 0..3 of the file; a missing file holds four empty slots.
SlotSummary SummariseSlot(const std::filesystem::path& file, int slot);

}  // namespace drz
