// Hall of fame: ranking in text order, the 120-line file, damaged files, failed writes, two games at once.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "storage/hall_of_fame.h"
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
        std::random_device device;
        folder_ = fs::temp_directory_path() / ("drz-hall-" + std::to_string(device()));
        fs::create_directories(folder_);
        hall_.File = (folder_ / kHallOfFameFile).string();
        ResetHallOfFame(hall_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder_, ec);
    }

    std::string Content() const {
        std::ifstream in(hall_.File, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(Content());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    void WriteRaw(const std::string& content) const { std::ofstream(hall_.File, std::ios::binary) << content; }

    // Level `level` full with the times 10, 20, ... 100 seconds, names "P1".."P10", on file.
    void FillLevel(int level) {
        for (int place = 1; place <= kChampPlaces; ++place) {
            hall_.PlayerName = "P" + std::to_string(place);
            ASSERT_EQ(RecordEntry(hall_, level, Time(10 * place), "01.02.2026").place, place);
        }
    }

    fs::path folder_;
    HallOfFame hall_;
};

TEST(TextOrder, StrictByCharacterCodeWithFreePlacesLast) {
    EXPECT_TRUE(TimeBefore("00:41:07.3", "00:41:07.4"));
    EXPECT_FALSE(TimeBefore("00:41:07.3", "00:41:07.3"));  // equal goes after
    EXPECT_TRUE(TimeBefore("00:41", "00:41:07.3"));        // a prefix is smaller
    EXPECT_TRUE(TimeBefore("88:59:59.9", "9"));
    EXPECT_FALSE(TimeBefore("X", "9"));                    // no time taken never enters
    EXPECT_TRUE(TimeBefore("9", "\xC3\xA4"));              // codes compare unsigned
    EXPECT_TRUE(IsFreePlace("9") && IsFreePlace("99:00:00.0") && !IsFreePlace("") && !IsFreePlace("X"));
}

TEST(TextEncoding, Utf8IsKeptAndWindows1252Converted) {
    EXPECT_TRUE(IsValidUtf8("J\xC3\xBCrgen \xE2\x82\xAC \xF0\x9F\x98\x80"));
    for (const char* bad : {"J\xFCrgen", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\x80"})
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    EXPECT_EQ(TextAsUtf8("J\xFCrgen \x80\x81\x9F"), "J\xC3\xBCrgen \xE2\x82\xAC\xEF\xBF\xBD\xC5\xB8");
    EXPECT_EQ(TextAsUtf8("J\xC3\xBCrgen"), "J\xC3\xBCrgen");
}

TEST_F(HallOfFameTest, FirstTimeInAnEmptyHallTakesPlaceOneAndTheFileHoldsAllValues) {
    EXPECT_FALSE(fs::exists(hall_.File));
    hall_.PlayerName = "Anna";
    EXPECT_EQ(RecordEntry(hall_, 2, "01:02:03.4", "24.12.2026").place, 1);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 120u);
    EXPECT_EQ(Content().find('\r'), std::string::npos);
    for (int value = 0; value < 120; ++value) {
        const int level = value / 30, place = value / 3 % 10 + 1;
        std::string expected = value % 3 == 2 ? "9" : "";
        if (level == 2 && place == 1) expected = value % 3 == 0 ? "Anna" : value % 3 == 1 ? "24.12.2026" : "01:02:03.4";
        EXPECT_EQ(lines[value], expected) << "line " << value + 1;
    }
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder_)) files += entry.path().filename() != "Champions.Rhm.lock";
    EXPECT_EQ(files, 1);  // no temporary file left beside it
}

TEST_F(HallOfFameTest, EqualTimeGoesAfterAndTheOldLastPlaceIsDropped) {
    FillLevel(0);
    hall_.PlayerName = "Neu";
    EXPECT_EQ(RecordEntry(hall_, 0, Time(30), "02.02.2026").place, 4);
    HallOfFame read;
    read.File = hall_.File;
    ReadHallOfFame(read);
    EXPECT_EQ(read.ChampName[0][3], "P3");
    EXPECT_EQ(read.ChampName[0][4], "Neu");
    EXPECT_EQ(read.ChampDate[0][4], "02.02.2026");
    for (int place = 5; place <= 10; ++place) EXPECT_EQ(read.ChampName[0][place], "P" + std::to_string(place - 1));
    EXPECT_EQ(read.ChampTime[0][10], Time(90));

    const std::string before = Content();
    EXPECT_EQ(RankPlace(read, 0, Time(91)), 0);
    EXPECT_EQ(RecordEntry(hall_, 0, Time(91), "03.02.2026").place, 0);  // beats nothing: no write
    EXPECT_EQ(RankPlace(read, 0, "X"), 0);
    EXPECT_EQ(Content(), before);
}

TEST_F(HallOfFameTest, DeletingMittelEmptiesOnlyLevelOne) {
    for (int level = 0; level < 4; ++level) FillLevel(level);
    ASSERT_FALSE(DeleteLevelList(hall_, 1));
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 120u);
    for (int value = 30; value < 60; ++value) EXPECT_EQ(lines[value], value % 3 == 2 ? "9" : "");
    EXPECT_EQ(lines[0], "P1");
    EXPECT_EQ(lines[60], "P1");
    EXPECT_EQ(lines[119], Time(100));
}

TEST_F(HallOfFameTest, NamesStayOneLine) {
    hall_.PlayerName = "Anna\r\nBerta\nC\tD";
    RecordEntry(hall_, 0, Time(5), "01.01.2026");
    EXPECT_EQ(hall_.ChampName[0][1], "Anna  Berta C D");
    EXPECT_EQ(Lines().size(), 120u);
    EXPECT_EQ(Lines()[0], "Anna  Berta C D");
}

TEST_F(HallOfFameTest, DamagedFilesAreReadWithoutLosingAGoodEntry) {
    // Short, CRLF, Windows-1252, a stored "9..." time, a time of another form, an empty time.
    WriteRaw("J\xFCrgen\r\n03.04.1999\r\n00:05:00.0\r\nAlt\r\n\r\n99:00:00.0\r\nX\r\n\r\nkurz\r\n\r\n\r\n\r\nM\xC3\xBCller");
    ASSERT_TRUE(ReadHallOfFame(hall_));
    EXPECT_EQ(hall_.ChampName[0][1], "J\xC3\xBCrgen");
    EXPECT_EQ(hall_.ChampDate[0][1], "03.04.1999");
    EXPECT_EQ(hall_.ChampTime[0][1], "00:05:00.0");
    EXPECT_TRUE(IsFreePlace(hall_.ChampTime[0][2]));
    EXPECT_EQ(hall_.ChampTime[0][3], "kurz");
    EXPECT_TRUE(IsFreePlace(hall_.ChampTime[0][4]));  // an empty time line is a free place
    EXPECT_EQ(hall_.ChampName[0][5], "M\xC3\xBC" "ller");
    EXPECT_TRUE(IsFreePlace(hall_.ChampTime[0][5]) && IsFreePlace(hall_.ChampTime[3][10]));
    EXPECT_EQ(RankPlace(hall_, 0, "00:04:59.9"), 1);
    EXPECT_EQ(RankPlace(hall_, 0, "00:06:00.0"), 2);   // before the free place 2
    EXPECT_EQ(RankPlace(hall_, 0, "k"), 3);            // "kurz" ranks by its text
    EXPECT_EQ(RankPlace(hall_, 0, "l"), 0);

    // Longer than 120 lines: the rest is ignored.
    std::string content;
    for (int value = 0; value < 200; ++value) content += (value % 3 == 2 ? Time(value) : "v" + std::to_string(value)) + "\n";
    WriteRaw(content);
    ReadHallOfFame(hall_);
    EXPECT_EQ(hall_.ChampName[3][10], "v117");
    EXPECT_EQ(hall_.ChampTime[3][10], Time(119));
    hall_.PlayerName = "Neu";
    RecordEntry(hall_, 3, Time(1), "01.01.2026");
    EXPECT_EQ(Lines().size(), 120u);
}

TEST_F(HallOfFameTest, EmptyGarbageHugeAndFolderNeverCrash) {
    const auto readsAsEmpty = [this] {
        hall_.ChampTime[0][1] = Time(1);
        ReadHallOfFame(hall_);
        for (int level = 0; level < 4; ++level)
            for (int place = 1; place <= 10; ++place) EXPECT_TRUE(IsFreePlace(hall_.ChampTime[level][place]));
    };
    WriteRaw("");
    readsAsEmpty();
    std::mt19937 rng(7);
    std::string garbage(5000, '\0');
    for (char& c : garbage) c = static_cast<char>(rng());
    WriteRaw(garbage);
    ReadHallOfFame(hall_);
    for (int level = 0; level < 4; ++level)
        for (int place = 1; place <= 10; ++place)
            for (const ChampTable* table : {&hall_.ChampName, &hall_.ChampDate, &hall_.ChampTime})
                EXPECT_TRUE(IsValidUtf8((*table)[level][place]) && OneLine((*table)[level][place]) == (*table)[level][place]);
    WriteRaw(std::string(8u << 20, 'x'));  // one line of 8 MiB
    ReadHallOfFame(hall_);
    EXPECT_LE(hall_.ChampName[0][1].size(), 1u << 20);
    EXPECT_TRUE(IsFreePlace(hall_.ChampTime[0][1]));
    fs::remove(hall_.File);
    fs::create_directory(hall_.File);
    readsAsEmpty();
    hall_.PlayerName = "Anna";
    const RecordOutcome outcome = RecordEntry(hall_, 0, Time(5), "01.01.2026");
    EXPECT_EQ(outcome.place, 0);
    ASSERT_TRUE(outcome.error);
    EXPECT_NE(outcome.error->find(hall_.File), std::string::npos);
    EXPECT_NE(outcome.error->find("Ordner"), std::string::npos);
}

TEST_F(HallOfFameTest, FailedWriteLeavesFileAndListsAsTheyWere) {
    FillLevel(1);
    const std::string before = Content();
    const HallOfFame listed = hall_;
    fs::permissions(hall_.File, fs::perms::owner_read);
    hall_.PlayerName = "Neu";
    const RecordOutcome outcome = RecordEntry(hall_, 1, Time(1), "01.01.2026");
    ASSERT_TRUE(outcome.error);
    EXPECT_NE(outcome.error->find("\"" + hall_.File + "\""), std::string::npos);
    EXPECT_NE(outcome.error->find("schreibgeschützt"), std::string::npos);
    EXPECT_EQ(hall_.ChampName, listed.ChampName);
    EXPECT_EQ(hall_.ChampTime, listed.ChampTime);
    EXPECT_TRUE(DeleteLevelList(hall_, 1));
    EXPECT_EQ(hall_.ChampTime, listed.ChampTime);
    EXPECT_EQ(Content(), before);

    if (geteuid() == 0) return;  // the superuser reads every file
    fs::permissions(hall_.File, fs::perms::owner_write);  // there, but unreadable: never written over
    EXPECT_FALSE(ReadHallOfFame(hall_));
    EXPECT_TRUE(RecordEntry(hall_, 1, Time(1), "01.01.2026").error);
    fs::permissions(hall_.File, fs::perms::owner_read);
    EXPECT_EQ(Content(), before);
}

TEST_F(HallOfFameTest, TwoGamesRecordingAtOnceLoseNoEntry) {
    // Each child records 20 times, 5 per level, all different; together they fill all 40 places.
    constexpr int kPerChild = 20;
    std::vector<pid_t> children;
    for (int child = 0; child < 2; ++child) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            HallOfFame own;
            own.File = hall_.File;
            ReadHallOfFame(own);
            bool ok = true;
            for (int i = 0; i < kPerChild; ++i) {
                own.PlayerName = "Kind" + std::to_string(child) + "-" + std::to_string(i);
                ok = RecordEntry(own, i % 4, Time(2 * i + child), "01.01.2026").place > 0 && ok;
            }
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
        for (int place = 1; place <= 10; ++place) {
            // Level L holds 2i + child for i = L, L + 4, ... L + 16 of both children, in time order.
            const int i = level + 4 * ((place - 1) / 2), child = (place - 1) % 2;
            EXPECT_EQ(hall_.ChampTime[level][place], Time(2 * i + child)) << level << "/" << place;
            EXPECT_EQ(hall_.ChampName[level][place], "Kind" + std::to_string(child) + "-" + std::to_string(i));
        }
}

}  // namespace
}  // namespace drz
