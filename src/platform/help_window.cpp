// The help window: a collection of its own for this run, contents, index, search, the page with back and forward.
#include "platform/help_window.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QKeySequence>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace drz::platform {

namespace {

constexpr int kWindowWidth = 1000;
constexpr int kWindowHeight = 720;
constexpr int kSideWidth = 320;

bool IsWordOperator(const QString& word) {
    return word == QLatin1String("AND") || word == QLatin1String("OR") || word == QLatin1String("NOT");
}

}  // namespace

QString WithWordBeginnings(const QString& input) {
    if (input.contains(QLatin1Char('*')) || input.contains(QLatin1Char('?')) || input.contains(QLatin1Char('"')))
        return input;
    QStringList words = input.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (QString& word : words)
        if (!IsWordOperator(word)) word += QLatin1Char('*');
    return words.join(QLatin1Char(' '));
}

QVariant HelpBrowser::loadResource(int type, const QUrl& url) {
    if (url.scheme() == QLatin1String("qthelp")) return engine_.fileData(url);
    return QTextBrowser::loadResource(type, url);
}

HelpWindow::HelpWindow() : QWidget(nullptr) {
    setWindowTitle(QStringLiteral("Dreizehner – Anleitung"));
    engine_ = std::make_unique<QHelpEngine>(cache_.filePath(QStringLiteral("Dreizehner.qhc")));
    engine_->setReadOnly(false);
    engine_->setupData();
    auto* splitter = new QSplitter(this);
    QWidget* page = MakePagePanel();  // first: the side panel follows its browser
    splitter->addWidget(MakeSidePanel());
    splitter->addWidget(page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kSideWidth, kWindowWidth - kSideWidth});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(kWindowWidth, kWindowHeight);
}

HelpWindow::~HelpWindow() = default;

// Pages of the manual open here, with back and forward; only web and mail links go to the desktop.
void HelpWindow::FollowLink(const QUrl& url) {
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto")) {
        QDesktopServices::openUrl(url);
        return;
    }
    if (scheme == QLatin1String("qthelp")) browser_->setSource(url);
}

void HelpWindow::SelectInContents(const QUrl& url) {
    QUrl page = url;
    page.setFragment(QString());
    const QModelIndex index = contents_->indexOf(page);
    if (index.isValid()) contents_->setCurrentIndex(index);
}

QWidget* HelpWindow::MakeContentsPage() {
    contents_ = engine_->contentWidget();
    // Titles are shown whole: the column is as wide as the longest one, and the list scrolls when the panel is not.
    contents_->setTextElideMode(Qt::ElideNone);
    contents_->header()->setStretchLastSection(false);
    contents_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(contents_, &QHelpContentWidget::linkActivated, this, [this](const QUrl& url) { Show(url); });
    connect(contents_, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        if (const QHelpContentItem* item = engine_->contentModel()->contentItemAt(index)) Show(item->url());
    });
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
        contents_->expandAll();
        SelectInContents(browser_->source());
    });
    // The contents follow the page shown, whichever way it was reached.
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) { SelectInContents(url); });
    return contents_;
}

QWidget* HelpWindow::MakeSidePanel() {
    auto* tabs = new QTabWidget;
    tabs->addTab(MakeContentsPage(), QStringLiteral("&Inhalt"));
    tabs->addTab(MakeIndexPage(), QStringLiteral("In&dex"));
    tabs->addTab(MakeSearchPage(), QStringLiteral("&Suche"));
    return tabs;
}

QWidget* HelpWindow::MakeIndexPage() {
    auto* page = new QWidget;
    auto* filter = new QLineEdit(page);
    filter->setPlaceholderText(QStringLiteral("Stichwort"));
    QHelpIndexWidget* index = engine_->indexWidget();
    connect(filter, &QLineEdit::textChanged, index, [index](const QString& text) { index->filterIndices(text); });
    connect(filter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link, const QString&) { Show(link.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, [this](const QList<QHelpLink>& links, const QString&) {
        if (!links.isEmpty()) Show(links.front().url);
    });
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(filter);
    layout->addWidget(index);
    return page;
}

QWidget* HelpWindow::MakeSearchPage() {
    QHelpSearchEngine* search = engine_->searchEngine();
    auto* page = new QWidget;
    QHelpSearchQueryWidget* query = search->queryWidget();
    QHelpSearchResultWidget* results = search->resultWidget();
    connect(query, &QHelpSearchQueryWidget::search, search,
            [search, query] { search->search(WithWordBeginnings(query->searchInput())); });
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, [this](const QUrl& url) { Show(url); });
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(query);
    layout->addWidget(results, 1);
    return page;
}

QWidget* HelpWindow::MakePagePanel() {
    auto* panel = new QWidget;
    browser_ = new HelpBrowser(*engine_, panel);
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    back_ = new QToolButton(panel);
    back_->setText(QStringLiteral("◀ Zurück"));
    back_->setShortcut(QKeySequence::Back);
    forward_ = new QToolButton(panel);
    forward_->setText(QStringLiteral("Vorwärts ▶"));
    forward_->setShortcut(QKeySequence::Forward);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
    return panel;
}

bool HelpWindow::Use(const QString& file) {
    const QString ns = QHelpEngineCore::namespaceName(file);
    if (ns.isEmpty()) return false;  // not a compressed help file
    if (engine_->registeredDocumentations().contains(ns)) {
        if (engine_->documentationFileName(ns) == file) {
            namespace_ = ns;
            return true;
        }
        engine_->unregisterDocumentation(ns);
    }
    if (!engine_->registerDocumentation(file)) return false;
    namespace_ = ns;
    engine_->searchEngine()->reindexDocumentation();
    return true;
}

QUrl HelpWindow::TopicUrl(const QString& topic) const {
    if (namespace_.isEmpty() || topic.isEmpty()) return {};
    // The lookup is exact: case and Unicode normal form as the file was listed.
    const QString suffix = QLatin1Char('/') + topic;
    for (const QUrl& url : engine_->files(namespace_, QString()))
        if (url.path().endsWith(suffix) && !engine_->fileData(url).isEmpty()) return url;
    return {};
}

void HelpWindow::Show(const QUrl& url) {
    if (browser_->source() != url) browser_->setSource(url);
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

}  // namespace drz::platform
