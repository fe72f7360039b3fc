// menu_registry.h — the menu bars and popups the game builds, known by handle, their items by id, and check marks.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace drz::platform {

class MenuRegistry {
public:
    using Handle = int;
    // Called when the player chooses an item; the id is the item's.
    explicit MenuRegistry(std::function<void(int id)> chosen);
    ~MenuRegistry();
    MenuRegistry(const MenuRegistry&) = delete;
    MenuRegistry& operator=(const MenuRegistry&) = delete;

    Handle CreateBar();
    Handle CreatePopup();
    bool AppendItem(Handle menu, int id, const QString& caption);
    bool AppendSeparator(Handle menu);
    bool AppendPopup(Handle menu, Handle popup, const QString& caption);
    // Destroys the menu and the popups appended to it, as far as they are still known.
    void Destroy(Handle menu);

    QMenuBar* Bar(Handle handle) const;  // nullptr unless a live bar

    // Check marks belong to the game: an item shows a mark exactly while the game has set it.
    void Check(int id, bool checked);
    bool IsChecked(int id) const;
    QAction* FindItem(int id) const;  // the first live item with that id (tests)

    // "popup <caption>", "item <id> <caption>", "separator"; nested entries indented by two blanks.
    std::string Describe(Handle menu) const;

private:
    struct Entry {
        std::unique_ptr<QWidget> widget;  // a QMenuBar or a QMenu
        std::vector<Handle> popups;
    };
    QWidget* WidgetOf(Handle handle) const;
    void ShowCheck(QAction* action, bool checked) const;
    void DescribeInto(const QWidget* menu, int indent, std::string& out) const;

    std::function<void(int)> chosen_;
    std::map<Handle, Entry> menus_;
    Handle next_ = 1;
    std::map<int, bool> checks_;
    std::multimap<int, QPointer<QAction>> items_;
};

}  // namespace drz::platform
