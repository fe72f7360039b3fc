// hall_of_fame.h — the hall-of-fame tables (ten best times per level with name and date) and their ranking.
#pragma once

#include <array>
#include <functional>
#include <string>

namespace drz {

inline constexpr const char* kHallOfFameFile = "Champions.Rhm";
inline constexpr int kChampLevels = 4;
inline constexpr int kChampPlaces = 10;  // places 1..10; place 0 is allocated and never used
inline constexpr const char* kFreePlaceTime = "9";

// Indexed [level 0..3][place 0..10].
using ChampTable = std::array<std::array<std::string, kChampPlaces + 1>, kChampLevels>;

struct HallOfFame {
    ChampTable ChampName;                // as typed (one line); may be empty
    ChampTable ChampDate;                // dd.MM.yyyy
    ChampTable ChampTime;                // the solving time as text; "9" marks a free place
    std::string PlayerName;              // the name confirmed last in this run; never stored on its own
    bool NameConfirmed = false;          // the name dialog ended with its confirm button
    std::string File = kHallOfFameFile;  // bare names are taken in the working folder
    std::function<std::string()> Today;  // today's date as dd.MM.yyyy
};

// A place is free when its time text begins with "9".
bool IsFreePlace(const std::string& time);

// True for a time as the clock takes it: "00:41:07.3" (two-digit hours, minutes and seconds below 60, tenths).
bool IsSolveTime(const std::string& time);

// Strict text order, character code by character code: a time equal to a listed one ranks after it.
bool TimeBefore(const std::string& time, const std::string& listed);

// The place 1..10 that `time` would take in `level`, or 0 when it beats none or is no clock time ("X" never
// ranks): a list holds only times it can read back as entries.
int RankPlace(const HallOfFame& hall, int level, const std::string& time);

// Moves places p..9 of `level` one down (the old place 10 is lost) and puts the entry on place p.
void InsertEntry(HallOfFame& hall, int level, int place, const std::string& name, const std::string& date,
                 const std::string& time);

// Every place of `level` free: empty name, empty date, time "9".
void ClearLevel(HallOfFame& hall, int level);
// Reads every time that is neither a free place nor a clock time (a damaged or foreign entry) as a free place,
// and moves the free places of each list behind the entries, which keep their order.
void FreeForeignTimes(HallOfFame& hall);

// Every place of every level free.
void ResetHallOfFame(HallOfFame& hall);

// The text as one line: line breaks and other control characters become blanks, so a value can never
// break the one-value-per-line file; byte-order marks are dropped, so none can be read back as the file's own.
std::string OneLine(std::string text);

}  // namespace drz
