// hall_of_fame_dialog.h — the hall-of-fame dialog: four tabs with the lists of the four levels.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/window.h"

namespace drz::platform {

struct HallOfFameRow {
    std::string rank, name, date, time;  // the four columns "#", "Name", "Datum", "Zeit"
    bool selected = false;               // the entry just recorded: selected and scrolled into view
};

struct HallOfFameLists {
    std::array<std::vector<HallOfFameRow>, 4> levels;  // "Leicht", "Mittel", "Schwer", "Extrem"
    int currentTab = 0;                                // the tab that is visible when the dialog opens
};

// Shows the dialog modally at (242, 200) from the main window's corner. "&OK", Escape and the close box
// close it: nothing is returned. "&Löschen" asks `confirmDelete`; when that says yes the dialog
// closes and returns the level (0..3) of the tab that was visible.
std::optional<int> ShowHallOfFameDialog(MainWindow& owner, const HallOfFameLists& lists,
                                        const std::function<bool()>& confirmDelete);

}  // namespace drz::platform
