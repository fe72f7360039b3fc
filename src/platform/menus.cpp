// The window's menu services: building, installing, checking, switching the bar off while a command runs.
#include "platform/window_impl.h"

namespace drz::platform {

namespace {

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

MenuHandle MainWindow::CreateMenuBar() { return impl_->menus.CreateBar(); }
MenuHandle MainWindow::CreatePopup() { return impl_->menus.CreatePopup(); }

bool MainWindow::AppendItem(MenuHandle menu, int id, std::string_view caption) {
    return impl_->menus.AppendItem(menu, id, FromUtf8(caption));
}

bool MainWindow::AppendSeparator(MenuHandle menu) { return impl_->menus.AppendSeparator(menu); }

bool MainWindow::AppendPopup(MenuHandle menu, MenuHandle popup, std::string_view caption) {
    return impl_->menus.AppendPopup(menu, popup, FromUtf8(caption));
}

MenuHandle MainWindow::InstallMenuBar(MenuHandle bar) {
    QMenuBar* widget = impl_->menus.Bar(bar);
    if (!widget) return 0;
    const MenuHandle previous = impl_->installedBar;
    impl_->InstallBar(widget);
    impl_->installedBar = bar;
    return previous;
}

void MainWindow::DestroyMenu(MenuHandle menu) {
    if (menu == impl_->installedBar) {
        impl_->InstallBar(nullptr);
        impl_->installedBar = 0;
    }
    impl_->menus.Destroy(menu);
}

void MainWindow::CheckItem(int id, bool checked) { impl_->menus.Check(id, checked); }
bool MainWindow::IsItemChecked(int id) const { return impl_->menus.IsChecked(id); }

void MainWindow::SetMenuEnabled(bool enabled) {
    impl_->menuEnabled = enabled;
    if (QMenuBar* bar = impl_->menus.Bar(impl_->installedBar)) bar->setEnabled(enabled);
}

bool MainWindow::MenuEnabled() const { return impl_->menuEnabled; }

std::string MainWindow::DescribeMenuBar() const { return impl_->menus.Describe(impl_->installedBar); }

}  // namespace drz::platform
