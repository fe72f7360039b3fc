// The hall of fame in the game: a solved time asks for the name, is stored and shown; declining, deleting,
// the name offered again, failed writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "display/clock.h"
#include "game/app.h"
#include "game/game_loops.h"
#include "game/hall_of_fame_commands.h"
#include "game/menu_bar.h"
#include "game/menu_commands.h"
#include "game/start_up.h"
#include "platform/dialog_step.h"
#include "storage/hall_of_fame_file.h"

namespace drz {
namespace {

namespace fs = std::filesystem;
using Step = platform::DialogStep;
using Kind = platform::DialogStep::Kind;

// Every test runs in a folder of its own: the game takes "Champions.Rhm" from its working folder.
class GameHallOfFame : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(folder_);
        fs::current_path(folder_);
        app_ = std::make_unique<App>();
        StartUp(*app_);
        app_->hallOfFame.Today = [] { return std::string("08.12.2026"); };
    }
    void TearDown() override {
        app_.reset();
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    std::string FileContent() const {
        std::ifstream in(kHallOfFameFile, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // The player solves a game with this final time; the name dialog gets `name` steps, the lists `lists`.
    void Solve(const std::string& time, std::vector<Step> name, std::vector<Step> lists = {{Kind::Click, "cmd3"}}) {
        if (!name.empty()) app_->window.QueueDialogSteps(std::move(name));
        app_->window.QueueDialogSteps(std::move(lists));
        RecordCompletionTime(*app_, time);
    }
    static std::vector<Step> Named(const std::string& typed) { return {{Kind::Type, typed}, {Kind::Key, "Return"}}; }

    App& app() { return *app_; }
    HallOfFame& hall() { return app_->hallOfFame; }

    fs::path folder_ = fs::temp_directory_path() / ("drz-game-hall-" + std::to_string(std::random_device{}()));
    fs::path previous_ = fs::current_path();
    std::unique_ptr<App> app_;
};

TEST_F(GameHallOfFame, TheSolvedCheckHandsTheFinalTimeToTheHallOfFame) {
    app().options.CurrentLevel = 2;
    app().window.QueueDialogSteps(Named("Anna"));
    app().window.QueueDialogSteps({{Kind::Click, "cmd3"}});
    app().clock.StartTime = platform::Timer() - 61.5;
    app().clock.ClockRunning = true;
    Verdict solved;
    solved.valid = solved.complete = solved.solved = true;
    SolvedCheck(app(), solved);
    EXPECT_FALSE(app().clock.ClockRunning);
    EXPECT_EQ(app().window.ClockText(), " 99:99:99");
    EXPECT_EQ(hall().ChampName[2][1], "Anna");
    EXPECT_EQ(hall().ChampDate[2][1], "08.12.2026");
    EXPECT_EQ(hall().ChampTime[2][1].substr(0, 7), "00:01:0");
    EXPECT_EQ(app().window.LastDialogTitle(), "Ruhmeshalle:");
    EXPECT_TRUE(app().options.IgnoreEscape);
    EXPECT_EQ(FileContent(), FormatHallOfFame(hall()));
}

TEST_F(GameHallOfFame, DeclinedNamesChangeNoByteAndTheConfirmedNameIsOfferedAgain) {
    Solve("00:10:00.0", {{Kind::Key, "Escape"}});
    EXPECT_FALSE(fs::exists(kHallOfFameFile));  // declined into no file: still none, empty lists
    EXPECT_TRUE(IsFreePlace(hall().ChampTime[0][1]));
    Solve("00:10:00.0", {{Kind::Key, "Return"}});  // an empty name is stored and listed
    EXPECT_EQ(ListedPlaces(hall(), 0, 1).levels[0].at(0).name, "");
    Solve("00:09:00.0", Named("Anna"));
    const std::string before = FileContent();
    Solve("00:05:00.0", {{Kind::Type, "Berta"}, {Kind::Click, "cmd6"}});
    EXPECT_FALSE(hall().NameConfirmed);
    Solve("00:06:00.0", {{Kind::Close, ""}});
    EXPECT_EQ(FileContent(), before);
    EXPECT_EQ(hall().ChampTime[0][3], "9");
    Solve("00:07:00.0", {{Kind::Key, "Return"}});  // still "Anna", offered and confirmed
    EXPECT_EQ(hall().ChampName[0][1] + hall().ChampTime[0][1], "Anna00:07:00.0");
    EXPECT_EQ(ListedPlaces(hall(), 0, 1).levels[0].size(), 3u);

    for (int i = 3; i < 10; ++i) Solve("00:0" + std::to_string(i) + ":30.0", Named("P"));
    const std::string full = FileContent();
    Solve("00:10:00.0", {});  // equal to place 10: no name asked, the lists shown all the same
    EXPECT_EQ(app().window.LastDialogTitle(), "Ruhmeshalle:");
    EXPECT_EQ(FileContent(), full);
}

TEST_F(GameHallOfFame, DeletingMittelFromTheMenuAsksFirstAndReopens) {
    for (int level = 0; level < 4; ++level) {
        app().options.CurrentLevel = static_cast<std::int16_t>(level);
        Solve("00:10:00.0", Named("L" + std::to_string(level)));
    }
    app().options.CurrentLevel = 3;
    app().window.QueueMessageBoxAnswer(platform::MessageButton::Second);  // NEIN: nothing happens
    app().window.QueueMessageBoxAnswer(platform::MessageButton::First);   // JA
    app().window.QueueDialogSteps({{Kind::SelectTab, "1"}, {Kind::Click, "cmd4"}, {Kind::Click, "cmd4"}});
    app().window.QueueDialogSteps({{Kind::Click, "cmd3"}});  // the reopened dialog
    RunMenuCommand(app(), kMenuHallOfFame);
    EXPECT_EQ(app().window.LastMessageBoxText(), "Wirklich löschen?");
    EXPECT_TRUE(IsFreePlace(hall().ChampTime[1][1]));
    for (int level : {0, 2, 3}) EXPECT_EQ(hall().ChampName[level][1], "L" + std::to_string(level));
    EXPECT_EQ(FileContent(), FormatHallOfFame(hall()));
}

TEST_F(GameHallOfFame, AFailedWriteIsToldAndTheListsStayAsTheyWere) {
    fs::create_directory(kHallOfFameFile);
    app().window.QueueMessageBoxAnswer(platform::MessageButton::First);
    Solve("00:10:00.0", Named("Anna"));
    EXPECT_NE(app().window.LastMessageBoxText().find("\"Champions.Rhm\""), std::string::npos);
    EXPECT_TRUE(IsFreePlace(hall().ChampTime[0][1]));
    EXPECT_EQ(app().window.LastDialogTitle(), "Ruhmeshalle:");
}

}  // namespace
}  // namespace drz
