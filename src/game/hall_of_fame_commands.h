// hall_of_fame_commands.h — the hall of fame in the game: ranking a solved time, the name question, the lists.
#pragma once

#include "game/app.h"
#include "platform/hall_of_fame_dialog.h"

namespace drz {

// The solved check hands the final time of a timed game here once the clock has stopped: when it ranks among
// the ten best of CurrentLevel the player is asked for a name and the entry is stored; the hall of fame is
// shown in every case.
void RecordCompletionTime(App& app, const std::string& time);

// The name dialog: PlayerName and NameConfirmed after it.
void AskPlayerName(App& app);

// The hall-of-fame dialog on the tab of CurrentLevel, `selectedPlace` of that list selected (0: none);
// a confirmed deletion empties one list and reopens it. Sets IgnoreEscape afterwards.
void ShowHallOfFame(App& app, int selectedPlace = 0);

// What the dialog lists: the filled places of each level, ranks " 1." .. "10.".
platform::HallOfFameLists ListedPlaces(const HallOfFame& hall, int currentLevel, int selectedPlace);

}  // namespace drz
