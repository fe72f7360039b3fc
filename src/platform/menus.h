// menus.h — the window's menu bar: built from popups and items, installed, checked, switched off while a
// command runs.
#pragma once

#include <string>
#include <string_view>

namespace drz::platform {

using MenuHandle = int;  // 0 = none / failure

class Menus {
public:
    virtual MenuHandle CreateMenuBar() = 0;
    virtual MenuHandle CreatePopup() = 0;
    virtual bool AppendItem(MenuHandle menu, int id, std::string_view caption) = 0;  // "&" marks the mnemonic
    virtual bool AppendSeparator(MenuHandle menu) = 0;
    virtual bool AppendPopup(MenuHandle menu, MenuHandle popup, std::string_view caption) = 0;
    virtual MenuHandle InstallMenuBar(MenuHandle bar) = 0;  // returns the menu bar the window had before (0 if none)
    virtual void DestroyMenu(MenuHandle menu) = 0;
    virtual void CheckItem(int id, bool checked) = 0;
    virtual bool IsItemChecked(int id) const = 0;
    // Off: choosing an item does nothing (the bar is greyed as a whole) until it is switched on again.
    virtual void SetMenuEnabled(bool enabled) = 0;
    virtual bool MenuEnabled() const = 0;
    // The installed menu bar as text, one line per entry, nested entries indented by two blanks:
    // "popup <caption>", "item <id> <caption>", "separator" (tests).
    virtual std::string DescribeMenuBar() const = 0;

protected:
    ~Menus() = default;
};

}  // namespace drz::platform
