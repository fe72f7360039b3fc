#include "game/menu_bar.h"

#include <cctype>
#include <stdexcept>

namespace drz {

const std::vector<std::string>& MenuDescription() {
    static const std::vector<std::string> description = {
        "&Dreizehner",
        "8:&Neues Spiel",
        "-",
        "10:&Spielstart",
        "25:N&eustart",
        "-",
        "12:Spieldruck",
        "-",
        "99:&Beenden",
        "",
        "&Optionen",
        "20:&lade Brett",
        "21:&sichere Brett",
        "-",
        "22:&Brett lösen",
        "26:B&rett löschen",
        "27:Brett &drucken",
        "24:Brett &mischen",
        "-",
        "11:&Eigenes Brett",
        "",
        "Sch&wierigkeit",
        "30:&Leicht",
        "31:&Mittel",
        "32:&Schwer",
        "33:&Extrem",
        "-",
        "40:&Zahlen",
        "41:&Buchstaben",
        "-",
        "44:Zeige &Kandidaten",
        "-",
        "45:Rätsel-Symmetrie",
        "-",
        "50:&Ruhmeshalle",
        "",
        "&Hilfe",
        "60:&Anleitung",
        "-",
        "1:über &Dreizehner...",
        "",
        "",
    };
    return description;
}

int MenuEntryId(std::string_view entry) {
    std::size_t i = 0;
    while (i < entry.size() && entry[i] == ' ') ++i;
    bool negative = false;
    if (i < entry.size() && (entry[i] == '-' || entry[i] == '+')) negative = entry[i++] == '-';
    long value = 0;
    for (; i < entry.size() && std::isdigit(static_cast<unsigned char>(entry[i])); ++i) {
        value = value * 10 + (entry[i] - '0');
        if (value > 0x7fffffff) break;
    }
    return static_cast<int>(negative ? -value : value);
}

namespace {

class MenuReader {
public:
    MenuReader(platform::Menus& menus, const std::vector<std::string>& description)
        : menus_(menus), description_(description) {}

    // Entries up to the next empty one (or the end) become the items of a new popup; 0 on failure.
    platform::MenuHandle BuildPopup() {
        platform::MenuHandle popup = menus_.CreatePopup();
        if (popup == 0) return 0;
        while (true) {
            const std::string& entry = Next();
            bool ok = true;
            if (entry.empty()) return popup;
            if (entry == "-") {
                ok = menus_.AppendSeparator(popup);
            } else if (entry.front() == '>') {
                platform::MenuHandle nested = BuildPopup();
                ok = nested != 0 && menus_.AppendPopup(popup, nested, entry.substr(1));
            } else {
                ok = AppendCommand(popup, entry);
            }
            if (!ok) {
                menus_.DestroyMenu(popup);
                return 0;
            }
        }
    }

    platform::MenuHandle BuildBar() {
        platform::MenuHandle bar = menus_.CreateMenuBar();
        if (bar == 0) throw std::runtime_error("Die Menüleiste kann nicht angelegt werden.");
        while (true) {
            const std::string& entry = Next();
            if (entry.empty()) return bar;
            bool ok;
            if (entry.find(':') != std::string::npos) {
                ok = AppendCommand(bar, entry);
            } else {
                platform::MenuHandle popup = BuildPopup();
                ok = popup != 0 && menus_.AppendPopup(bar, popup, entry);
            }
            if (!ok) {
                menus_.DestroyMenu(bar);
                throw std::runtime_error("Das Menü \"" + entry + "\" kann nicht angelegt werden.");
            }
        }
    }

private:
    // The description ends with empty entries; reading past its end gives an empty entry too.
    const std::string& Next() {
        static const std::string kEmpty;
        return position_ < description_.size() ? description_[position_++] : kEmpty;
    }

    bool AppendCommand(platform::MenuHandle menu, const std::string& entry) {
        std::size_t colon = entry.find(':');
        std::string caption = colon == std::string::npos ? entry : entry.substr(colon + 1);
        return menus_.AppendItem(menu, MenuEntryId(entry), caption);
    }

    platform::Menus& menus_;
    const std::vector<std::string>& description_;
    std::size_t position_ = 0;
};

}  // namespace

void BuildMenuBar(platform::Menus& menus, const std::vector<std::string>& description) {
    platform::MenuHandle bar = MenuReader(menus, description).BuildBar();
    platform::MenuHandle old = menus.InstallMenuBar(bar);
    if (old != 0) menus.DestroyMenu(old);
}

void UpdateMenuChecks(platform::Menus& menus, const Options& options) {
    for (int id : {30, 31, 32, 33, 40, 41, 44, 45}) menus.CheckItem(id, false);
    menus.CheckItem(kMenuLevelEasy + options.CurrentLevel, true);
    menus.CheckItem(options.ShowNumerals ? kMenuNumerals : kMenuLetters, true);
    if (options.ShowCandidates) menus.CheckItem(kMenuShowCandidates, true);
    if (options.SymmetricPuzzle) menus.CheckItem(kMenuSymmetry, true);
}

}  // namespace drz
