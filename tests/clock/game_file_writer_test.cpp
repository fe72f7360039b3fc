// The game file's writer thread (run under the thread sanitizer too): content handed over while it writes is
// coalesced, the newest lands whole, a running clock's content is written again, a failure is told once.
#include "storage/game_file_writer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/temp_folder.h"

namespace drz {
namespace {

namespace fs = std::filesystem;

struct Folder : test::TempFolder {
    std::string Read(const char* name) const {
        std::ifstream in(path / name);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST(GameFileWriter, TheNewestContentLandsWholeAndOlderOnesAreDropped) {
    Folder folder;
    std::atomic<int> made{0};
    GameFileWriter writer(folder.path / "spielstand.json");
    for (int i = 0; i < 200; ++i)
        writer.Submit(
            [i, &made]() -> std::optional<std::string> {
                return ++made, std::string(5000, 'a' + i % 26) + std::to_string(i);
            },
            false, i % 50 == 0);
    writer.Flush();
    EXPECT_EQ(folder.Read("spielstand.json"), std::string(5000, 'a' + 199 % 26) + "199");
    EXPECT_LT(made.load(), 20);  // a quarter second apart at most, the rest coalesced

    writer.Submit([] { return std::optional<std::string>(); }, false, true);  // nothing: the file goes
    writer.Flush();
    EXPECT_FALSE(fs::exists(folder.path / "spielstand.json"));
    EXPECT_FALSE(writer.TakeFailure());
}

TEST(GameFileWriter, RepeatsARunningClocksContentAndTellsAFailureOnce) {
    Folder folder;
    std::atomic<int> made{0};
    {
        GameFileWriter writer(folder.path / "spielstand.json");
        writer.Submit([&made] { return std::optional<std::string>(std::to_string(++made)); }, true, true);
        std::this_thread::sleep_for(std::chrono::milliseconds(1300));
    }  // the thread ends with the object
    EXPECT_GE(made.load(), 2);
    EXPECT_EQ(folder.Read("spielstand.json"), std::to_string(made.load()));

    GameFileWriter lost(folder.path / "kein-ordner" / "spielstand.json");
    lost.Submit([] { return std::optional<std::string>("x"); }, false, true);
    lost.Flush();
    EXPECT_EQ(lost.TakeFailure(), "Der Ordner fehlt.");
    lost.Submit([] { return std::optional<std::string>("y"); }, false, true);
    lost.Flush();
    EXPECT_FALSE(lost.TakeFailure());
}

}  // namespace
}  // namespace drz
