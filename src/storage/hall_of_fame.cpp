#include "storage/hall_of_fame.h"

namespace drz {

bool IsFreePlace(const std::string& time) { return !time.empty() && time.front() == '9'; }

// std::string compares through char_traits<char>, which orders by unsigned character code, and a prefix
// before the longer text.
bool TimeBefore(const std::string& time, const std::string& listed) { return time < listed; }

int RankPlace(const HallOfFame& hall, int level, const std::string& time) {
    if (level < 0 || level >= kChampLevels) return 0;
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
