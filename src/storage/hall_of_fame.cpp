#include "storage/hall_of_fame.h"

#include <vector>

namespace drz {

bool IsFreePlace(const std::string& time) { return !time.empty() && time.front() == '9'; }

bool IsSolveTime(const std::string& t) {
    const auto digit = [&t](std::size_t i, char highest) { return t[i] >= '0' && t[i] <= highest; };
    return t.size() == 10 && digit(0, '9') && digit(1, '9') && t[2] == ':' && digit(3, '5') && digit(4, '9') &&
           t[5] == ':' && digit(6, '5') && digit(7, '9') && t[8] == '.' && digit(9, '9');
}

// std::string compares through char_traits<char>, which orders by unsigned character code, and a prefix
// before the longer text.
bool TimeBefore(const std::string& time, const std::string& listed) { return time < listed; }

int RankPlace(const HallOfFame& hall, int level, const std::string& time) {
    if (level < 0 || level >= kChampLevels || !IsSolveTime(time)) return 0;
    for (int place = 1; place <= kChampPlaces; ++place)
        if (TimeBefore(time, hall.ChampTime[level][place])) return place;
    return 0;
}

void InsertEntry(HallOfFame& hall, int level, int place, const std::string& name, const std::string& date,
                 const std::string& time) {
    if (level < 0 || level >= kChampLevels || place < 1 || place > kChampPlaces) return;
    for (int q = kChampPlaces - 1; q >= place; --q) {
        hall.ChampName[level][q + 1] = hall.ChampName[level][q];
        hall.ChampDate[level][q + 1] = hall.ChampDate[level][q];
        hall.ChampTime[level][q + 1] = hall.ChampTime[level][q];
    }
    hall.ChampName[level][place] = OneLine(name);
    hall.ChampDate[level][place] = OneLine(date);
    hall.ChampTime[level][place] = OneLine(time);
}

void ClearLevel(HallOfFame& hall, int level) {
    if (level < 0 || level >= kChampLevels) return;
    for (int place = 1; place <= kChampPlaces; ++place) {
        hall.ChampName[level][place].clear();
        hall.ChampDate[level][place].clear();
        hall.ChampTime[level][place] = std::string(kFreePlaceTime);
    }
}

void FreeForeignTimes(HallOfFame& hall) {
    for (int level = 0; level < kChampLevels; ++level) {
        std::vector<int> entries, free;
        for (int place = 1; place <= kChampPlaces; ++place) {
            std::string& time = hall.ChampTime[level][place];
            if (!IsFreePlace(time) && !IsSolveTime(time)) {
                hall.ChampName[level][place].clear();
                hall.ChampDate[level][place].clear();
                time = std::string(kFreePlaceTime);
            }
            (IsFreePlace(time) ? free : entries).push_back(place);
        }
        entries.insert(entries.end(), free.begin(), free.end());
        const HallOfFame before = hall;
        for (int place = 1; place <= kChampPlaces; ++place) {
            const int from = entries[static_cast<std::size_t>(place - 1)];
            hall.ChampName[level][place] = before.ChampName[level][from];
            hall.ChampDate[level][place] = before.ChampDate[level][from];
            hall.ChampTime[level][place] = before.ChampTime[level][from];
        }
    }
}

void ResetHallOfFame(HallOfFame& hall) {
    for (int level = 0; level < kChampLevels; ++level) ClearLevel(hall, level);
}

std::string OneLine(std::string text) {
    for (char& c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7F) c = ' ';
    }
    // An invisible byte-order mark at the start of the file would be taken for the file's own and dropped.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    for (std::size_t at; (at = text.find(kByteOrderMark)) != std::string::npos;) text.erase(at, kByteOrderMark.size());
    return text;
}

}  // namespace drz
