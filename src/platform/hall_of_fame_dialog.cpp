// The hall-of-fame dialog `ruhm`: the tab strip `tbs1` with the pages `liste1`..`liste4`, each holding one
// report-style list (`lv1`..`lv4`), and the buttons "&OK" (`cmd3`) and "&Löschen" (`cmd4`).
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
        tbs1_ = new QTabWidget;
        tbs1_->setObjectName(QStringLiteral("tbs1"));
        auto* cmd3 = new QPushButton(QStringLiteral("&OK"));
        auto* cmd4 = new QPushButton(QStringLiteral("&Löschen"));
        cmd3->setObjectName(QStringLiteral("cmd3"));
        cmd4->setObjectName(QStringLiteral("cmd4"));
        cmd3->setDefault(true);
        connect(cmd3, &QPushButton::clicked, this, [this] { cmd3_Click(); });
        connect(cmd4, &QPushButton::clicked, this, [this] { cmd4_Click(); });

        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(cmd3);
        buttons->addWidget(cmd4);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(tbs1_);
        layout->addLayout(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        ruhm_Load(lists);
    }

    bool DialogDone = false;
    std::optional<int> deletedLevel;

private:
    void ruhm_Load(const HallOfFameLists& lists) {
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
            tbs1_->addTab(page, QLatin1String(kLevelTabs[level]));
            if (level == lists.currentTab) shown = list;
        }
        tbs1_->setCurrentIndex(lists.currentTab);
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

    void cmd3_Click() {
        DialogDone = true;
        accept();
    }

    void cmd4_Click() {
        QWidget* focused = focusWidget();
        if (!confirmDelete_ || !confirmDelete_()) {
            // The question has gone back to the disabled main window: the lists take the keys again.
            activateWindow();
            raise();
            if (focused) focused->setFocus();
            return;
        }
        deletedLevel = tbs1_->currentIndex();
        DialogDone = true;
        accept();
    }

    QTabWidget* tbs1_;
    std::function<bool()> confirmDelete_;
};

}  // namespace

std::optional<int> ShowHallOfFameDialog(MainWindow& owner, const HallOfFameLists& lists,
                                        const std::function<bool()>& confirmDelete) {
    HallOfFameForm ruhm(lists, confirmDelete);
    RunModalForm(owner, ruhm, 242, 200, [&ruhm] { return ruhm.DialogDone; });
    return ruhm.deletedLevel;
}

}  // namespace drz::platform
