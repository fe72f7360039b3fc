// Hall of fame: ranking in text order, the 120-line file, damaged files, failed writes, two games at once.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "storage/hall_of_fame_file.h"
#include "storage/hall_of_fame_records.h"
#include "storage/text_encoding.h"

namespace drz {
namespace {

namespace fs = std::filesystem;

std::string Time(int seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "00:%02d:%02d.0", seconds / 60, seconds % 60);
    return text;
}

class HallOfFameTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("drz-hall-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
        hall_.File = (folder_ / kHallOfFameFile).string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Content() const {
        std::ifstream in(hall_.File, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(Content());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    void WriteRaw(const std::string& content) const { std::ofstream(hall_.File, std::ios::binary) << content; }
    int Record(int level, const std::string& time, const std::string& name) {
        hall_.PlayerName = name;
        return RecordEntry(hall_, level, time, "01.02.2026").place;
    }
    // `level` full with 10, 20, ... 100 seconds by "P1".."P10".
    void FillLevel(int level) {
        for (int p = 1; p <= kChampPlaces; ++p) ASSERT_EQ(Record(level, Time(10 * p), "P" + std::to_string(p)), p);
    }

    fs::path folder_;
    HallOfFame hall_;
};

TEST(HallOfFameText, StrictCodeOrderAndUtf8OrWindows1252) {
    EXPECT_TRUE(TimeBefore("00:41:07.3", "00:41:07.4") && TimeBefore("00:41", "00:41:07.3"));
    EXPECT_FALSE(TimeBefore("00:41:07.3", "00:41:07.3"));  // equal goes after
    EXPECT_TRUE(TimeBefore("88:59:59.9", "9") && !TimeBefore("X", "9") && TimeBefore("9", "\xC3\xA4"));
    EXPECT_TRUE(IsFreePlace("99:00:00.0") && !IsFreePlace("") && !IsFreePlace("X"));
    EXPECT_TRUE(IsValidUtf8("J\xC3\xBCrgen \xE2\x82\xAC \xF0\x9F\x98\x80"));
    for (const char* bad : {"J\xFCrgen", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"})
        EXPECT_FALSE(IsValidUtf8(bad));
    EXPECT_EQ(TextAsUtf8("J\xFCrgen \x80\x81\x9F"), "J\xC3\xBCrgen \xE2\x82\xAC\xEF\xBF\xBD\xC5\xB8");
    EXPECT_EQ(OneLine("Anna\r\nB\tC"), "Anna  B C");
    // A name that began with a byte-order mark kept it on writing, and the next read took it for the file's own.
    HallOfFame once, twice;
    const std::string file(
        "\xEF\xBB\xBF\xEF\xBB\xBF\0"
        "10\nAn\xEF\xBB\xBFna",
        17);
    ParseHallOfFame(once, file);
    ParseHallOfFame(twice, FormatHallOfFame(once));
    EXPECT_EQ(twice.ChampName, once.ChampName);
    EXPECT_EQ(once.ChampName[0][1], " 10");
}

TEST_F(HallOfFameTest, EmptyHallEqualTimesFullListAndDeletingMittel) {
    EXPECT_EQ(Record(2, "01:02:03.4", "Anna\nBerta"), 1);
    std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 120u);
    for (int v = 0; v < 120; ++v) {
        const std::string entry[3] = {"Anna Berta", "01.02.2026", "01:02:03.4"}, free[3] = {"", "", "9"};
        EXPECT_EQ(lines[v], v / 3 == 20 ? entry[v % 3] : free[v % 3]) << "line " << v + 1;
    }

    FillLevel(0);
    FillLevel(1);
    EXPECT_EQ(Record(0, Time(30), "Neu"), 4);  // after the equal place 3; old 4..9 move down, 10 is lost
    EXPECT_EQ(hall_.ChampName[0][3] + hall_.ChampName[0][4] + hall_.ChampName[0][5], "P3NeuP4");
    EXPECT_EQ(hall_.ChampTime[0][10], Time(90));
    const std::string full = Content();
    EXPECT_EQ(Record(0, Time(91), "Spät"), 0);
    EXPECT_EQ(Content(), full);

    ASSERT_FALSE(DeleteLevelList(hall_, 1));
    lines = Lines();
    ASSERT_EQ(lines.size(), 120u);
    for (int v = 30; v < 60; ++v) EXPECT_EQ(lines[v], v % 3 == 2 ? "9" : "");
    EXPECT_EQ(lines[0] + lines[60], "P1Anna Berta");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 2);  // the file and its lock, no temporary
}

TEST_F(HallOfFameTest, DamagedFilesAreReadWithoutLosingAGoodEntry) {
    // Short, CR LF, Windows-1252, a stored "9..." time, a time of another form (a free place), an empty time, UTF-8.
    WriteRaw(
        "J\xFCrgen\r\n03.04.1999\r\n00:05:00.0\r\nAlt\r\n\r\n99:00:00.0\r\nX\r\n\r\nkurz\r\n\r\n\r\n\r\nM\xC3\xBCller");
    ASSERT_TRUE(ReadHallOfFame(hall_));
    EXPECT_EQ(hall_.ChampName[0][1] + hall_.ChampDate[0][1] + hall_.ChampTime[0][1],
              "J\xC3\xBCrgen"
              "03.04.199900:05:00.0");
    EXPECT_EQ(hall_.ChampName[0][3] + hall_.ChampTime[0][3], "9");  // "X", "kurz": no clock time, a free place
    EXPECT_EQ(hall_.ChampName[0][5], "M\xC3\xBCller");
    for (int p : {2, 3, 4, 5, 10}) EXPECT_TRUE(IsFreePlace(hall_.ChampTime[0][p])) << p;
    EXPECT_EQ(RankPlace(hall_, 0, "00:06:00.0"), 2);  // before the "99..." place
    EXPECT_EQ(RankPlace(hall_, 0, "k"), 0);

    // Entries behind a foreign time move up; the list stays in order.
    WriteRaw("A\n\n00:61:00.0\nB\n\n00:02:00.0\nC\n\n00:03:00.0\n");
    ASSERT_TRUE(ReadHallOfFame(hall_));
    EXPECT_EQ(hall_.ChampName[0][1] + hall_.ChampName[0][2] + hall_.ChampTime[0][3], "BC9");

    std::string longer;  // more than 120 lines: the rest is ignored, the rewrite has 120
    for (int v = 0; v < 200; ++v) longer += (v % 3 == 2 ? Time(v) : "v" + std::to_string(v)) + "\n";
    WriteRaw(longer);
    EXPECT_EQ(Record(3, Time(1), "Neu"), 1);
    EXPECT_EQ(hall_.ChampName[3][10], "v114");
    EXPECT_EQ(Lines().size(), 120u);

    std::mt19937 rng(7);
    std::string garbage(5000, '\0');
    for (char& c : garbage) c = static_cast<char>(rng());
    for (const std::string& content : {std::string(), garbage, std::string(8u << 20, 'x')}) {
        WriteRaw(content);
        ReadHallOfFame(hall_);
        for (const ChampTable* table : {&hall_.ChampName, &hall_.ChampDate, &hall_.ChampTime})
            for (int level = 0; level < 4; ++level)
                for (int p = 1; p <= 10; ++p) {
                    const std::string& value = (*table)[level][p];
                    EXPECT_TRUE(IsValidUtf8(value) && OneLine(value) == value && value.size() <= (1u << 20));
                }
    }
    EXPECT_TRUE(IsFreePlace(hall_.ChampTime[0][1]));
    fs::remove(hall_.File);
    fs::create_directory(hall_.File);  // a folder of that name: empty lists, a record fails and says why
    ReadHallOfFame(hall_);
    EXPECT_TRUE(IsFreePlace(hall_.ChampTime[3][1]));
    const RecordOutcome outcome = RecordEntry(hall_, 0, Time(5), "01.01.2026");
    ASSERT_TRUE(outcome.error);
    EXPECT_NE(outcome.error->find("\"" + hall_.File + "\""), std::string::npos);
    EXPECT_NE(outcome.error->find("Ordner"), std::string::npos);
}

TEST_F(HallOfFameTest, FailedWriteLeavesFileAndListsAsTheyWere) {
    FillLevel(1);
    const std::string before = Content();
    const ChampTable times = hall_.ChampTime;
    fs::permissions(hall_.File, fs::perms::owner_read);
    const RecordOutcome outcome = RecordEntry(hall_, 1, Time(1), "01.01.2026");
    ASSERT_TRUE(outcome.error);
    EXPECT_NE(outcome.error->find("schreibgeschützt"), std::string::npos);
    EXPECT_EQ(hall_.ChampTime, times);
    EXPECT_TRUE(DeleteLevelList(hall_, 1));
    EXPECT_EQ(hall_.ChampTime, times);
    if (geteuid() != 0) {                                     // the superuser reads every file
        fs::permissions(hall_.File, fs::perms::owner_write);  // there but unreadable: never written over
        EXPECT_TRUE(RecordEntry(hall_, 1, Time(1), "01.01.2026").error);
        fs::permissions(hall_.File, fs::perms::owner_read);
    }
    EXPECT_EQ(Content(), before);
}

TEST_F(HallOfFameTest, TwoGamesRecordingAtOnceLoseNoEntry) {
    // Each child records 20 different times, 5 per level; together they fill all 40 places.
    std::vector<pid_t> children;
    for (int child = 0; child < 2; ++child) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            bool ok = true;
            for (int i = 0; i < 20; ++i) ok = Record(i % 4, Time(2 * i + child), "K" + std::to_string(child)) > 0 && ok;
            _exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    ReadHallOfFame(hall_);
    for (int level = 0; level < 4; ++level)
        for (int p = 1; p <= 10; ++p) {  // level L: 2i + child for i = L, L + 4, ... L + 16, in time order
            const int i = level + 4 * ((p - 1) / 2), child = (p - 1) % 2;
            EXPECT_EQ(hall_.ChampTime[level][p], Time(2 * i + child)) << level << "/" << p;
            EXPECT_EQ(hall_.ChampName[level][p], "K" + std::to_string(child));
        }
}

}  // namespace
}  // namespace drz
