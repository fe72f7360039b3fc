// The help window on the real help file: the topics the game opens, a second topic, a missing file or topic.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHelpSearchEngine>
#include <QTimer>
#include <filesystem>

#include "game/app.h"
#include "output/help.h"
#include "platform/help_viewer.h"
#include "platform/help_window.h"

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

// Hits of a full-text search, once the index built at registration is there (it is built beside the game).
int SearchHits(QHelpSearchEngine& search, const QString& words) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        QEventLoop loop;
        int hits = 0;
        QObject::connect(&search, &QHelpSearchEngine::searchingFinished, &loop, [&](int count) {
            hits = count;
            loop.quit();
        });
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        search.search(words);
        loop.exec();
        if (hits > 0) return hits;
        QTimer::singleShot(200, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return 0;
}

TEST_F(Help, FullTextSearchFindsTheManualsPages) {
    Shown("Übersicht.htm");
    platform::HelpWindow* help = nullptr;  // a top-level window of its own: no game window owns it
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* found = dynamic_cast<platform::HelpWindow*>(w)) help = found;
    ASSERT_NE(help, nullptr);
    EXPECT_GE(SearchHits(*help->Engine().searchEngine(), QStringLiteral("Ruhmeshalle")), 3);
}

TEST_F(Help, MissingFileOrTopicGiveTheMessageWithTheFileAsPassed) {
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    ShowHtmlHelpTopic(app.display, "Fehlt.chm", "Übersicht.htm");
    EXPECT_EQ(app.window.LastMessageBoxText(), "Error while trying to display a topic of Fehlt.chm");
    EXPECT_FALSE(platform::DescribeHelpWindow(app.window).visible);

    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    ShowHtmlHelpTopic(app.display, "Dreizehner.chm", "übersicht.htm");  // the lookup is exact
    EXPECT_EQ(app.window.LastMessageBoxText(), "Error while trying to display a topic of Dreizehner.chm");

    // A file that is no help file at all.
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    ShowHtmlHelpTopic(app.display, "CMakeCache.txt", "Übersicht.htm");
    EXPECT_EQ(app.window.LastMessageBoxText(), "Error while trying to display a topic of CMakeCache.txt");
}

}  // namespace
}  // namespace drz
