// The help window on the real help file: the topics the game opens, a second topic, a missing file or topic.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>

#include "game/app.h"
#include "output/help.h"
#include "platform/help_viewer.h"

namespace drz {
namespace {

namespace fs = std::filesystem;

class Help : public ::testing::Test {
protected:
    // The game names the help file bare, in its working folder: the build folder holds it.
    void SetUp() override {
        before = fs::current_path();
        fs::current_path(fs::path(DRZ_HELP_FILE).parent_path());
    }
    void TearDown() override { fs::current_path(before); }

    platform::HelpWindowView Shown(std::string_view topic) {
        ShowHtmlHelpTopic(app.display, "Dreizehner.chm", topic);
        QCoreApplication::processEvents();
        return platform::DescribeHelpWindow(app.window);
    }

    App app;
    fs::path before;
};

TEST_F(Help, TheGamesTopicsShowAndASecondTopicReplacesTheFirst) {
    platform::HelpWindowView view = Shown("Übersicht.htm");
    EXPECT_EQ(app.window.LastMessageBoxText(), "");
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(view.title, "Dreizehner – Anleitung");
    EXPECT_TRUE(view.url.ends_with("/Übersicht.htm")) << view.url;
    EXPECT_NE(view.text.find("dreizehn"), std::string::npos);
    EXPECT_NE(view.text.find("Die Menüpunkte"), std::string::npos);

    view = Shown("Erklärung.htm");
    EXPECT_EQ(app.window.LastMessageBoxText(), "");
    EXPECT_TRUE(view.visible);
    EXPECT_TRUE(view.url.ends_with("/Erklärung.htm")) << view.url;
    EXPECT_NE(view.text.find("Ziffern eintragen"), std::string::npos);
}

TEST_F(Help, MissingFileOrTopicGiveTheMessageWithTheFileAsPassed) {
    app.window.QueueMessageBoxAnswer(1);
    ShowHtmlHelpTopic(app.display, "Fehlt.chm", "Übersicht.htm");
    EXPECT_EQ(app.window.LastMessageBoxText(), "Error while trying to display a topic of Fehlt.chm");
    EXPECT_FALSE(platform::DescribeHelpWindow(app.window).visible);

    app.window.QueueMessageBoxAnswer(1);
    ShowHtmlHelpTopic(app.display, "Dreizehner.chm", "übersicht.htm");  // the lookup is exact
    EXPECT_EQ(app.window.LastMessageBoxText(), "Error while trying to display a topic of Dreizehner.chm");

    // A file that is no help file at all.
    app.window.QueueMessageBoxAnswer(1);
    ShowHtmlHelpTopic(app.display, "CMakeCache.txt", "Übersicht.htm");
    EXPECT_EQ(app.window.LastMessageBoxText(), "Error while trying to display a topic of CMakeCache.txt");
}

}  // namespace
}  // namespace drz
