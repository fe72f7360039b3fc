#include "storage/hall_of_fame_records.h"

#include "storage/file_lock.h"
#include "storage/hall_of_fame_file.h"
#include "storage/safe_write.h"

namespace drz {

namespace {

// Writes the changed tables; after a failure they go back to the file as read under the lock.
std::optional<std::string> WriteOrRestore(HallOfFame& hall, const HallOfFame& asRead) {
    std::optional<std::string> error = WriteHallOfFame(hall);
    if (error) {
        hall.ChampName = asRead.ChampName;
        hall.ChampDate = asRead.ChampDate;
        hall.ChampTime = asRead.ChampTime;
    }
    return error;
}

std::string Unreadable(const HallOfFame& hall) {
    return "Die Datei \"" + hall.File + "\" kann nicht gelesen werden; die Ruhmeshalle wurde nicht geändert.";
}

}  // namespace

RecordOutcome RecordEntry(HallOfFame& hall, int level, const std::string& time, const std::string& date) {
    const FileLock lock(LockFileFor(hall.File));
    RemoveLeftoverTemporaries(hall.File);
    RecordOutcome outcome;
    if (!ReadHallOfFame(hall)) {
        outcome.error = Unreadable(hall);
        return outcome;
    }
    const int place = RankPlace(hall, level, time);
    if (place == 0) return outcome;  // better times were recorded meanwhile
    const HallOfFame asRead = hall;
    InsertEntry(hall, level, place, hall.PlayerName, date, time);
    outcome.error = WriteOrRestore(hall, asRead);
    if (!outcome.error) outcome.place = place;
    return outcome;
}

std::optional<std::string> DeleteLevelList(HallOfFame& hall, int level) {
    const FileLock lock(LockFileFor(hall.File));
    RemoveLeftoverTemporaries(hall.File);
    if (!ReadHallOfFame(hall)) return Unreadable(hall);
    const HallOfFame asRead = hall;
    ClearLevel(hall, level);
    return WriteOrRestore(hall, asRead);
}

}  // namespace drz
