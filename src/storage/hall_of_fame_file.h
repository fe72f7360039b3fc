// hall_of_fame_file.h — "Champions.Rhm": 120 values, one per line, level by level, place by place, name, date, time.
#pragma once

#include <optional>
#include <string>

#include "storage/hall_of_fame.h"

namespace drz {

inline constexpr int kHallOfFameValues = kChampLevels * kChampPlaces * 3;

// The file content for the tables: UTF-8, every value on its own line ending in a line feed.
std::string FormatHallOfFame(const HallOfFame& hall);

// Fills the tables from a file content in file order. Whatever the content, nothing is refused: missing
// values leave free places, values past the 120th are ignored, CR before LF is dropped, lines that are not
// UTF-8 are read as Windows-1252, an empty time or one that is no clock time counts as a free place, and
// the free places of each list go behind its entries.
void ParseHallOfFame(HallOfFame& hall, const std::string& content);

// ReadHallOfFame: the tables from hall.File when it is a file, else every place free; no file is ever
// written. Only the head of a very large file is read. False when the file is there but cannot be read
// (the tables are then empty, and must not be written over it).
bool ReadHallOfFame(HallOfFame& hall);

// WriteHallOfFame: hall.File replaced as a whole by the tables. Nothing on success, else a German message
// naming the file; the old file is then as it was.
std::optional<std::string> WriteHallOfFame(const HallOfFame& hall);

}  // namespace drz
