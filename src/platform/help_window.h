// help_window.h — the help window's widgets: contents, index and full-text search beside the page, back and forward.
#pragma once

#include <QHelpEngine>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWidget>
#include <memory>

class QHelpContentWidget;
class QToolButton;

namespace drz::platform {

// A page browser that fetches qthelp:// pages and pictures from the help engine.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QHelpEngineCore& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {}
    QVariant loadResource(int type, const QUrl& url) override;

private:
    QHelpEngineCore& engine_;
};

// The player's search words as a query that also finds longer words: "Maus" finds "Maustaste". A query that
// already holds a wildcard or a quoted phrase is left as typed.
QString WithWordBeginnings(const QString& input);

class HelpWindow : public QWidget {
public:
    HelpWindow();
    ~HelpWindow() override;

    // Registers the help file (an absolute path) unless it is registered already; false when it is not one.
    bool Use(const QString& file);
    // The URL of the topic in the help file in use; empty when it has no such page.
    QUrl TopicUrl(const QString& topic) const;
    // Shows the page and brings the window to the front.
    void Show(const QUrl& url);
    HelpBrowser& Browser() { return *browser_; }
    QHelpEngine& Engine() { return *engine_; }
    QHelpContentWidget& Contents() { return *contents_; }

private:
    void FollowLink(const QUrl& url);
    void SelectInContents(const QUrl& url);
    QWidget* MakeContentsPage();
    QWidget* MakeSidePanel();
    QWidget* MakeSearchPage();
    QWidget* MakeIndexPage();
    QWidget* MakePagePanel();

    QTemporaryDir cache_;  // the collection and the full-text index, for this run only
    std::unique_ptr<QHelpEngine> engine_;
    QString namespace_;
    HelpBrowser* browser_ = nullptr;
    QHelpContentWidget* contents_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
};

}  // namespace drz::platform
