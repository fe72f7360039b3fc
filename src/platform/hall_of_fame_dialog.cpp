// The hall-of-fame dialog: a tab page per level, each holding one report-style list, and the buttons "&OK" and
// "&Löschen". Its controls keep the names tests find them by: the form "ruhm", the tabs "tbs1", the pages
// "liste1".."liste4", the lists "lv1".."lv4", the buttons "cmd3" and "cmd4".
#include "platform/hall_of_fame_dialog.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/modal_form.h"

namespace drz::platform {

namespace {

constexpr const char* kLevelTabs[4] = {"Leicht", "Mittel", "Schwer", "Extrem"};
constexpr const char* kColumnHeaders[4] = {"#", "Name", "Datum", "Zeit"};
constexpr int kColumnTwips[4] = {415, 3100, 1400, 1345};
constexpr int kListPoints = 12;
constexpr int kListedPlaces = 10;

QString Text(const std::string& text) { return QString::fromStdString(text); }

class HallOfFameForm : public QDialog {
public:
    HallOfFameForm(const HallOfFameLists& lists, const std::function<bool()>& confirmDelete)
        : confirmDelete_(confirmDelete) {
        setObjectName(QStringLiteral("ruhm"));
        setWindowTitle(QStringLiteral("Ruhmeshalle:"));
        levelTabs_ = new QTabWidget;
        levelTabs_->setObjectName(QStringLiteral("tbs1"));
        auto* okButton = new QPushButton(QStringLiteral("&OK"));
        auto* deleteButton = new QPushButton(QStringLiteral("&Löschen"));
        okButton->setObjectName(QStringLiteral("cmd3"));
        deleteButton->setObjectName(QStringLiteral("cmd4"));
        okButton->setDefault(true);
        connect(okButton, &QPushButton::clicked, this, [this] { OkClicked(); });
        connect(deleteButton, &QPushButton::clicked, this, [this] { DeleteClicked(); });

        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(okButton);
        buttons->addWidget(deleteButton);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(levelTabs_);
        layout->addLayout(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        FillLists(lists);
    }

    bool DialogDone = false;
    std::optional<int> deletedLevel;

private:
    void FillLists(const HallOfFameLists& lists) {
        QTreeWidget* shown = nullptr;
        for (int level = 0; level < 4; ++level) {
            auto* page = new QWidget;
            page->setObjectName(QStringLiteral("liste%1").arg(level + 1));
            auto* pageLayout = new QVBoxLayout(page);
            pageLayout->setContentsMargins(0, 0, 0, 0);
            QTreeWidget* list = MakeList(level + 1);
            pageLayout->addWidget(list);
            for (const HallOfFameRow& row : lists.levels[level]) AddRow(*list, row);
            SizeList(*list);
            levelTabs_->addTab(page, QLatin1String(kLevelTabs[level]));
            if (level == lists.currentTab) shown = list;
        }
        levelTabs_->setCurrentIndex(lists.currentTab);
        if (shown && shown->currentItem()) shown->scrollToItem(shown->currentItem());
    }

    QTreeWidget* MakeList(int number) {
        auto* list = new QTreeWidget;
        list->setObjectName(QStringLiteral("lv%1").arg(number));
        list->setRootIsDecorated(false);
        list->setItemsExpandable(false);
        list->setUniformRowHeights(true);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setTextElideMode(Qt::ElideNone);
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(kListPoints);
        list->setFont(font);
        list->setColumnCount(4);
        QStringList headers;
        for (const char* header : kColumnHeaders) headers << QString::fromUtf8(header);
        list->setHeaderLabels(headers);
        list->headerItem()->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        list->header()->setStretchLastSection(false);
        list->header()->setSectionsMovable(false);
        return list;
    }

    // The widths of the four columns, and a list tall enough for ten rows. A column whose texts would be cut
    // off at this screen's font is widened to them.
    void SizeList(QTreeWidget& list) const {
        int width = 2 * list.frameWidth();
        for (int column = 0; column < 4; ++column) {
            list.resizeColumnToContents(column);
            const int fitting = list.columnWidth(column);
            list.setColumnWidth(column, std::max(TwipsToPixels(kColumnTwips[column]), fitting));
            width += list.columnWidth(column);
        }
        const int row = QFontMetrics(list.font()).height() + 3;
        list.setMinimumSize(width, list.header()->sizeHint().height() + kListedPlaces * row + 2 * list.frameWidth());
    }

    int TwipsToPixels(int twips) const { return static_cast<int>(std::lround(twips * logicalDpiX() / 1440.0)); }

    static void AddRow(QTreeWidget& list, const HallOfFameRow& row) {
        auto* item = new QTreeWidgetItem(&list, {Text(row.rank), Text(row.name), Text(row.date), Text(row.time)});
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        if (row.selected) list.setCurrentItem(item);
    }

    void OkClicked() {
        DialogDone = true;
        accept();
    }

    void DeleteClicked() {
        QWidget* focused = focusWidget();
        if (!confirmDelete_ || !confirmDelete_()) {
            // The question has gone back to the disabled main window: the lists take the keys again.
            activateWindow();
            raise();
            if (focused) focused->setFocus();
            return;
        }
        deletedLevel = levelTabs_->currentIndex();
        DialogDone = true;
        accept();
    }

    QTabWidget* levelTabs_;
    std::function<bool()> confirmDelete_;
};

}  // namespace

std::optional<int> ShowHallOfFameDialog(MainWindow& owner, const HallOfFameLists& lists,
                                        const std::function<bool()>& confirmDelete) {
    HallOfFameForm form(lists, confirmDelete);
    RunModalForm(owner, form, 242, 200, [&form] { return form.DialogDone; });
    return form.deletedLevel;
}

}  // namespace drz::platform
