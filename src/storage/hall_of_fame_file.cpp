#include "storage/hall_of_fame_file.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "storage/safe_write.h"
#include "storage/text_encoding.h"

namespace drz {

namespace fs = std::filesystem;

namespace {

// 120 values of any sensible length fit many times over; a longer file is damaged, its head is enough.
constexpr std::size_t kMostBytesRead = 1 << 20;

// Value 0, 1, 2 of a place: name, date, time.
template <typename Hall>
auto& TableOfValue(Hall& hall, int value) {
    switch (value % 3) {
        case 0:
            return hall.ChampName;
        case 1:
            return hall.ChampDate;
        default:
            return hall.ChampTime;
    }
}

int LevelOfValue(int value) { return value / (kChampPlaces * 3); }
int PlaceOfValue(int value) { return value / 3 % kChampPlaces + 1; }

std::string CleanValue(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return OneLine(TextAsUtf8(line));
}

std::optional<std::string> ReadHead(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content(kMostBytesRead, '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (in.bad()) return std::nullopt;
    content.resize(static_cast<std::size_t>(in.gcount()));
    return content;
}

}  // namespace

std::string FormatHallOfFame(const HallOfFame& hall) {
    std::string content;
    for (int value = 0; value < kHallOfFameValues; ++value) {
        content += OneLine(TableOfValue(hall, value)[LevelOfValue(value)][PlaceOfValue(value)]);
        content += '\n';
    }
    return content;
}

void ParseHallOfFame(HallOfFame& hall, const std::string& content) {
    ResetHallOfFame(hall);
    std::size_t start = content.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;  // a byte-order mark is no name
    for (int value = 0; value < kHallOfFameValues && start < content.size(); ++value) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string text = CleanValue(content.substr(start, end - start));
        if (value % 3 == 2 && text.empty()) text = std::string(kFreePlaceTime);
        TableOfValue(hall, value)[LevelOfValue(value)][PlaceOfValue(value)] = std::move(text);
        start = end + 1;
    }
    FreeForeignTimes(hall);
}

bool ReadHallOfFame(HallOfFame& hall) {
    std::error_code ec;
    if (!fs::is_regular_file(hall.File, ec)) {  // missing, a folder, a pipe: four empty lists
        ResetHallOfFame(hall);
        return true;
    }
    const std::optional<std::string> content = ReadHead(hall.File);
    ParseHallOfFame(hall, content.value_or(std::string{}));
    return content.has_value();
}

std::optional<std::string> WriteHallOfFame(const HallOfFame& hall) {
    const std::string content = FormatHallOfFame(hall);
    const std::optional<std::string> reason =
        ReplaceFileContent(hall.File, std::vector<std::uint8_t>(content.begin(), content.end()));
    if (!reason) return std::nullopt;
    return "Die Ruhmeshalle konnte nicht in der Datei \"" + hall.File + "\" gespeichert werden. " + *reason;
}

}  // namespace drz
