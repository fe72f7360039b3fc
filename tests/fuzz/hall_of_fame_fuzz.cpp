// "Champions.Rhm" of any bytes: read, a time ranked and recorded under the lock, written and read back. The
// lists must survive the round trip: every listed entry is still there, in order, and the file has 120 lines.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "fuzz_folder.h"
#include "storage/hall_of_fame.h"
#include "storage/hall_of_fame_file.h"
#include "storage/hall_of_fame_records.h"

namespace {

void Dump(const char* label, const drz::HallOfFame& h) {
    for (int l = 0; l < drz::kChampLevels; ++l)
        for (int p = 1; p <= drz::kChampPlaces; ++p)
            if (!drz::IsFreePlace(h.ChampTime[l][p]))
                std::fprintf(stderr, "%s %d/%d [%s] [%s] [%s]\n", label, l, p, h.ChampName[l][p].c_str(),
                             h.ChampDate[l][p].c_str(), h.ChampTime[l][p].c_str());
}

void Fail(const char* what) {
    std::fprintf(stderr, "hall of fame fuzz: %s\n", what);
    std::abort();
}

bool SameLists(const drz::HallOfFame& a, const drz::HallOfFame& b) {
    return a.ChampName == b.ChampName && a.ChampDate == b.ChampDate && a.ChampTime == b.ChampTime;
}

std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A value as the file reader would hold it: one line of UTF-8 (other bytes read as the reader reads old names).
std::string AsRead(const std::string& bytes) {
    drz::HallOfFame value;
    drz::ParseHallOfFame(value, bytes);
    return value.ChampName[0][1];
}

// A time of the game's form from the first bytes, or the bytes themselves as text now and then.
std::string TimeFrom(const std::uint8_t* data, std::size_t size) {
    if (size > 0 && data[0] % 7 == 0) return AsRead(std::string(data, data + std::min<std::size_t>(size, 12)));
    char text[16];
    const unsigned v = size > 1 ? data[1] * 256u + (size > 2 ? data[2] : 0) : 0;
    std::snprintf(text, sizeof text, "%02u:%02u:%02u.%u", v % 3 / 1u, v / 7 % 60, v / 13 % 60, v % 10);
    return text;
}

// A name from the bytes, as the name dialog gives it: one line of UTF-8.
std::string NameFrom(const std::uint8_t* data, std::size_t size) {
    return size > 3 ? AsRead(std::string(data + 3, data + std::min<std::size_t>(size, 20))) : "Anna";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = drz::fuzz::FuzzFolder() / drz::kHallOfFameFile;
    drz::fuzz::WriteInput(file, data, size);

    drz::HallOfFame hall;
    hall.File = file.string();
    if (!drz::ReadHallOfFame(hall)) Fail("a plain file could not be read");
    drz::HallOfFame before = hall;

    // What was read is written and read back unchanged.
    if (drz::WriteHallOfFame(hall)) Fail("the write failed");
    drz::HallOfFame reread;
    reread.File = hall.File;
    if (!drz::ReadHallOfFame(reread) || !SameLists(reread, before)) Fail("the lists changed on a round trip");

    // A recorded time goes where it ranks; every other entry keeps its order.
    const int level = size > 0 ? data[size - 1] % drz::kChampLevels : 0;
    const std::string time = TimeFrom(data, size);
    const int expected = drz::RankPlace(before, level, time);
    hall.PlayerName = NameFrom(data, size);
    const drz::RecordOutcome outcome = drz::RecordEntry(hall, level, time, "08.12.2026");
    if (outcome.error) Fail("recording failed");
    if (outcome.place != expected) Fail("the time went to another place than it ranks");
    if (expected != 0) drz::InsertEntry(before, level, expected, drz::OneLine(hall.PlayerName), "08.12.2026", time);
    reread = drz::HallOfFame{};
    reread.File = hall.File;
    if (!drz::ReadHallOfFame(reread) || !SameLists(reread, before) || !SameLists(hall, before)) {
        Dump("expected", before), Dump("file", reread), Dump("tables", hall);
        Fail("the recorded lists differ from the expected ones");
    }
    const std::string text = FileText(file);
    if (std::count(text.begin(), text.end(), '\n') != drz::kHallOfFameValues) Fail("the file has not 120 lines");
    return 0;
}
