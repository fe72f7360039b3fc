// menu_bar.h — the menu bar, built at run time from its text description, and its check marks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "display/state.h"
#include "platform/menus.h"

namespace drz {

// Menu item ids.
enum MenuId : int {
    kMenuAbout = 1,
    kMenuNewGame = 8,
    kMenuStartGame = 10,
    kMenuOwnBoard = 11,
    kMenuPrintGame = 12,
    kMenuLoadBoard = 20,
    kMenuSaveBoard = 21,
    kMenuSolveBoard = 22,
    kMenuShuffleBoard = 24,
    kMenuRestart = 25,
    kMenuClearBoard = 26,
    kMenuPrintBoard = 27,
    kMenuLevelEasy = 30,  // 30 + level
    kMenuNumerals = 40,
    kMenuLetters = 41,
    kMenuShowCandidates = 44,
    kMenuSymmetry = 45,
    kMenuHallOfFame = 50,
    kMenuInstructions = 60,
    kMenuExit = 99,
};

// The menu bar as the program holds it: popup captions, "id:caption" items, "-" separators, ">caption" nested
// popups; an empty entry ends a popup, a further empty entry the bar.
const std::vector<std::string>& MenuDescription();

// Builds the bar from a description, installs it and destroys the previous one. Throws std::runtime_error when
// a menu cannot be made (start-up cannot go on without it).
void BuildMenuBar(platform::Menus& menus, const std::vector<std::string>& description = MenuDescription());

// The numeric value at the front of an "id:caption" entry, read as the ordinary number conversion reads it.
int MenuEntryId(std::string_view entry);

// Check marks from the options: the level, numerals or letters, candidates, symmetry.
void UpdateMenuChecks(platform::Menus& menus, const Options& options);

}  // namespace drz
