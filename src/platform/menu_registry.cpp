// Menu bars and popups by handle; items by id; the game's own check marks.
#include "platform/menu_registry.h"

namespace drz::platform {

MenuRegistry::MenuRegistry(std::function<void(int id)> chosen) : chosen_(std::move(chosen)) {}

MenuRegistry::~MenuRegistry() {
    // Popups before bars, so no bar is left pointing at a deleted popup's action.
    for (auto& [handle, entry] : menus_)
        if (qobject_cast<QMenu*>(entry.widget.get())) entry.widget.reset();
}

MenuRegistry::Handle MenuRegistry::CreateBar() {
    menus_[next_].widget = std::make_unique<QMenuBar>();
    return next_++;
}

MenuRegistry::Handle MenuRegistry::CreatePopup() {
    menus_[next_].widget = std::make_unique<QMenu>();
    return next_++;
}

QWidget* MenuRegistry::WidgetOf(Handle handle) const {
    const auto it = menus_.find(handle);
    return it == menus_.end() ? nullptr : it->second.widget.get();
}

QMenuBar* MenuRegistry::Bar(Handle handle) const { return qobject_cast<QMenuBar*>(WidgetOf(handle)); }

bool MenuRegistry::AppendItem(Handle menu, int id, const QString& caption) {
    QWidget* w = WidgetOf(menu);
    if (!w) return false;
    auto* action = new QAction(caption, w);
    action->setData(id);
    QObject::connect(action, &QAction::triggered, action, [this, id, action] {
        ShowCheck(action, IsChecked(id));  // the toolkit toggled a checkable item by itself: undo that
        chosen_(id);
    });
    w->addAction(action);
    items_.emplace(id, action);
    checks_[id] = false;  // a new item carries no mark
    return true;
}

bool MenuRegistry::AppendSeparator(Handle menu) {
    QWidget* w = WidgetOf(menu);
    if (!w) return false;
    auto* separator = new QAction(w);
    separator->setSeparator(true);
    w->addAction(separator);
    return true;
}

bool MenuRegistry::AppendPopup(Handle menu, Handle popup, const QString& caption) {
    QWidget* w = WidgetOf(menu);
    auto* sub = qobject_cast<QMenu*>(WidgetOf(popup));
    if (!w || !sub || w == sub) return false;
    sub->setTitle(caption);
    w->addAction(sub->menuAction());
    menus_[menu].popups.push_back(popup);
    return true;
}

void MenuRegistry::Destroy(Handle menu) {
    auto it = menus_.find(menu);
    if (it == menus_.end()) return;
    const std::vector<Handle> popups = it->second.popups;
    menus_.erase(it);
    for (Handle popup : popups) Destroy(popup);
    for (auto i = items_.begin(); i != items_.end();) i = i->second ? std::next(i) : items_.erase(i);
}

void MenuRegistry::ShowCheck(QAction* action, bool checked) const {
    // Only marked items are checkable, so an unmarked item looks like any plain command.
    action->setCheckable(checked);
    action->setChecked(checked);
}

void MenuRegistry::Check(int id, bool checked) {
    checks_[id] = checked;
    const auto [first, last] = items_.equal_range(id);
    for (auto i = first; i != last; ++i)
        if (i->second) ShowCheck(i->second, checked);
}

bool MenuRegistry::IsChecked(int id) const {
    const auto it = checks_.find(id);
    return it != checks_.end() && it->second;
}

QAction* MenuRegistry::FindItem(int id) const {
    const auto [first, last] = items_.equal_range(id);
    for (auto i = first; i != last; ++i)
        if (i->second) return i->second;
    return nullptr;
}

void MenuRegistry::DescribeInto(const QWidget* menu, int indent, std::string& out) const {
    const std::string pad(indent, ' ');
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator())
            out += pad + "separator\n";
        else if (const QMenu* sub = QMenu::menuInAction(a)) {
            out += pad + "popup " + a->text().toStdString() + "\n";
            DescribeInto(sub, indent + 2, out);
        } else
            out += pad + "item " + std::to_string(a->data().toInt()) + " " + a->text().toStdString() + "\n";
    }
}

std::string MenuRegistry::Describe(Handle menu) const {
    std::string out;
    if (const QWidget* w = WidgetOf(menu)) DescribeInto(w, 0, out);
    return out;
}

}  // namespace drz::platform
