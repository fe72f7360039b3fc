// The menu items "Brett &drucken" and "&Anleitung": they print the board and open the help file of the folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/app.h"
#include "game/menu_bar.h"
#include "game/menu_commands.h"
#include "game/start_up.h"
#include "platform/printer.h"

namespace drz {
namespace {

namespace fs = std::filesystem;

class PrintAndHelpItems : public ::testing::Test {
protected:
    void SetUp() override {
        StartUp(app);
        fs::create_directories(folder);
        fs::current_path(folder);
    }
    void TearDown() override { fs::current_path(before), fs::remove_all(folder); }
    App app;
    fs::path before = fs::current_path();
    fs::path folder = fs::temp_directory_path() / ("drz_items_" + std::to_string(::getpid()));
};

TEST_F(PrintAndHelpItems, PrintBoardWritesThePageAndInstructionsAskForTheOverview) {
    app.board.Cell(1, 1, 1) = 4;
    platform::QueuePrintDialogAnswer(app.window, {true, (folder / "brett.pdf").string(), true, platform::Paper::A4});
    Win_0_MenuEvent(app, kMenuPrintBoard);
    EXPECT_GT(fs::file_size(folder / "brett.pdf"), 1000u);
    EXPECT_EQ(app.window.LastMessageBoxText(), "");

    // No help file in this folder: the message names it as the game passes it.
    app.window.QueueMessageBoxAnswer(1);
    Win_0_MenuEvent(app, kMenuInstructions);
    EXPECT_EQ(app.window.LastMessageBoxText(), "Error while trying to display a topic of Dreizehner.chm");
    EXPECT_EQ(app.panels.HelpText, kIdleHelpText);
}

}  // namespace
}  // namespace drz
