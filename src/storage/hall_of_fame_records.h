// hall_of_fame_records.h — changing "Champions.Rhm" safely beside other games in the same folder: each change
// locks the file, reads it again, applies itself to what is there and writes the whole file back.
#pragma once

#include <optional>
#include <string>

#include "storage/hall_of_fame.h"

namespace drz {

struct RecordOutcome {
    int place = 0;                     // where the entry went, 0 when it no longer ranks (or was not written)
    std::optional<std::string> error;  // German, naming the file, when the write failed
};

// Ranks `time` under the lock into the list of `level` as the file holds it now and writes the file with the
// entry (hall.PlayerName, `date`). Afterwards the tables are what the file holds; after a failed write they
// are the file as it was, without the entry.
RecordOutcome RecordEntry(HallOfFame& hall, int level, const std::string& time, const std::string& date);

// Empties the list of `level` under the lock, keeping the other lists as the file holds them now. On failure
// the tables are the file as it was.
std::optional<std::string> DeleteLevelList(HallOfFame& hall, int level);

}  // namespace drz
