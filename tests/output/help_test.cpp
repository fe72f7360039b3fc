// The help window on the real help file: the topics the game opens, a second topic, a missing file or topic.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHeaderView>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTimer>
#include <filesystem>
#include <stdexcept>

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

    // The help window is a top-level window of its own: no game window owns it.
    static platform::HelpWindow& Window() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* help = dynamic_cast<platform::HelpWindow*>(w)) return *help;
        throw std::logic_error("no help window");
    }

    // Waits until the contents are built (they are made beside the game after the file is registered).
    QHelpContentWidget& Contents() {
        QHelpContentModel* model = Window().Engine().contentModel();
        for (int i = 0; i < 100 && (model->isCreatingContents() || model->rowCount() == 0); ++i) {
            QEventLoop loop;
            QTimer::singleShot(20, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return Window().Contents();
    }

    App app;
    fs::path before;
};

// A real left click (press and release) at a point of a widget.
void ClickAt(QWidget* widget, QPoint point) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(point), QPointF(widget->mapToGlobal(point)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
}

// The point in the browser's viewport at the middle of the first occurrence of `text` in the page.
QPoint PlaceOfText(QTextBrowser& browser, const QString& text) {
    QTextCursor found = browser.document()->find(text);
    if (found.isNull()) return {};
    QTextCursor middle(browser.document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    return browser.cursorRect(middle).center();
}

TEST_F(Help, ALinkInAPageOpensItsPageHereWithBackAndForward) {
    Shown("Übersicht.htm");
    platform::HelpBrowser& browser = Window().Browser();
    const QPoint link = PlaceOfText(browser, QStringLiteral("Die Regeln"));
    ASSERT_FALSE(link.isNull());
    ClickAt(browser.viewport(), link);
    EXPECT_TRUE(browser.source().path().endsWith(QStringLiteral("/Regeln.htm")))
        << browser.source().toString().toStdString();
    EXPECT_TRUE(browser.isBackwardAvailable());
    browser.backward();
    EXPECT_TRUE(browser.source().path().endsWith(QStringLiteral("/Übersicht.htm")));
    browser.forward();
    EXPECT_TRUE(browser.source().path().endsWith(QStringLiteral("/Regeln.htm")));
}

TEST_F(Help, ContentsShowWholeTitlesFollowThePageAndOpenAPageOnOneClick) {
    Shown("Erklärung.htm");
    QHelpContentWidget& contents = Contents();
    EXPECT_EQ(contents.currentIndex().data().toString(), QStringLiteral("So wird gespielt"));
    QModelIndex fame;
    for (QModelIndex index = contents.model()->index(0, 0); index.isValid(); index = contents.indexBelow(index)) {
        const QRect place = contents.visualRect(index);
        EXPECT_LE(place.right(), contents.viewport()->width()) << index.data().toString().toStdString();
        EXPECT_GE(place.width(), contents.sizeHintForIndex(index).width()) << index.data().toString().toStdString();
        if (index.data().toString() == QStringLiteral("Die Ruhmeshalle")) fame = index;
    }
    ASSERT_TRUE(fame.isValid());
    ClickAt(contents.viewport(), contents.visualRect(fame).center());
    EXPECT_TRUE(Window().Browser().source().path().endsWith(QStringLiteral("/Ruhmeshalle.htm")));
}

TEST_F(Help, TheIndexHoldsTheWordsAPlayerLooksUp) {
    Shown("Übersicht.htm");
    for (const char* word : {"Esc", "Maus", "Tasten", "Spielstart", "Neues Spiel", "Beenden", "Drucken", "PDF",
                             "Kandidaten", "Notizen", "Ruhmeshalle", "Zeitmessung", "Schwierigkeitsgrad", "Buchstaben"})
        EXPECT_FALSE(Window().Engine().documentsForKeyword(QString::fromUtf8(word)).isEmpty()) << word;
}

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
    platform::HelpWindow* help = &Window();
    EXPECT_GE(SearchHits(*help->Engine().searchEngine(), QStringLiteral("Ruhmeshalle")), 3);
    // What the player types finds word beginnings: "Maus" finds "Maustaste", "kandidat" "Kandidaten".
    EXPECT_EQ(platform::WithWordBeginnings(QStringLiteral(" Maus  kandidat ")), QStringLiteral("Maus* kandidat*"));
    EXPECT_EQ(platform::WithWordBeginnings(QStringLiteral("Maus*")), QStringLiteral("Maus*"));
    for (const char* words : {"Maus", "kandidat", "ruhmes"})
        EXPECT_GE(SearchHits(*help->Engine().searchEngine(), platform::WithWordBeginnings(QString::fromUtf8(words))), 1)
            << words;
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
