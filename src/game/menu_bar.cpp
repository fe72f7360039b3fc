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
    MenuReader(platform::MainWindow& window, const std::vector<std::string>& description)
        : window_(window), description_(description) {}

    // Entries up to the next empty one (or the end) become the items of a new popup; 0 on failure.
    platform::MenuHandle BuildPopup() {
        platform::MenuHandle popup = window_.CreatePopup();
        if (popup == 0) return 0;
        while (true) {
            const std::string& entry = Next();
            bool ok = true;
            if (entry.empty()) return popup;
            if (entry == "-") {
                ok = window_.AppendSeparator(popup);
            } else if (entry.front() == '>') {
                platform::MenuHandle nested = BuildPopup();
                ok = nested != 0 && window_.AppendPopup(popup, nested, entry.substr(1));
            } else {
                ok = AppendCommand(popup, entry);
            }
            if (!ok) {
                window_.DestroyMenu(popup);
                return 0;
            }
        }
    }

    platform::MenuHandle BuildBar() {
        platform::MenuHandle bar = window_.CreateMenuBar();
        if (bar == 0) throw std::runtime_error("Die Menüleiste kann nicht angelegt werden.");
        while (true) {
            const std::string& entry = Next();
            if (entry.empty()) return bar;
            bool ok;
            if (entry.find(':') != std::string::npos) {
                ok = AppendCommand(bar, entry);
            } else {
                platform::MenuHandle popup = BuildPopup();
                ok = popup != 0 && window_.AppendPopup(bar, popup, entry);
            }
            if (!ok) {
                window_.DestroyMenu(bar);
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
        return window_.AppendItem(menu, MenuEntryId(entry), caption);
    }

    platform::MainWindow& window_;
    const std::vector<std::string>& description_;
    std::size_t position_ = 0;
};

}  // namespace

void BuildMenuBar(platform::MainWindow& window, const std::vector<std::string>& description) {
    platform::MenuHandle bar = MenuReader(window, description).BuildBar();
    platform::MenuHandle old = window.InstallMenuBar(bar);
    if (old != 0) window.DestroyMenu(old);
}

void UpdateMenuChecks(platform::MainWindow& window, const Options& options) {
    for (int id : {30, 31, 32, 33, 40, 41, 44, 45}) window.CheckItem(id, false);
    window.CheckItem(kMenuLevelEasy + options.CurrentLevel, true);
    window.CheckItem(options.ShowNumerals ? kMenuNumerals : kMenuLetters, true);
    if (options.ShowCandidates) window.CheckItem(kMenuShowCandidates, true);
    if (options.SymmetricPuzzle) window.CheckItem(kMenuSymmetry, true);
}

}  // namespace drz
