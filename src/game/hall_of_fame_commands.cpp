#include "game/hall_of_fame_commands.h"

#include "platform/name_dialog.h"
#include "storage/hall_of_fame_file.h"
#include "storage/hall_of_fame_records.h"

namespace drz {

namespace {

std::string RankText(int place) { return (place < 10 ? " " : "") + std::to_string(place) + "."; }

void TellFailure(App& app, const std::string& message) {
    app.window.MessageBox(platform::MessageIcon::None, message, {"&OK"}, platform::MessageButton::First);
}

// Stores the confirmed entry; returns the place it took (0 when it was not stored).
int StoreEntry(App& app, int level, const std::string& time) {
    HallOfFame& hall = app.hallOfFame;
    const std::string date = hall.Today ? hall.Today() : std::string{};
    const RecordOutcome outcome = RecordEntry(hall, level, time, date);
    if (outcome.error) TellFailure(app, *outcome.error);
    return outcome.place;
}

bool ConfirmDelete(App& app) {
    return app.window.MessageBox(platform::MessageIcon::Question, "Wirklich löschen?", {"&JA", "&NEIN"},
                                 platform::MessageButton::First) == platform::MessageButton::First;
}

}  // namespace

void RecordCompletionTime(App& app, const std::string& time) {
    HallOfFame& hall = app.hallOfFame;
    const int level = app.options.CurrentLevel;
    hall.NameConfirmed = false;
    ReadHallOfFame(hall);  // another game in this folder may have recorded since
    int recorded = 0;
    if (RankPlace(hall, level, time) != 0) {
        AskPlayerName(app);
        if (hall.NameConfirmed)
            recorded = StoreEntry(app, level, time);
        else
            ReadHallOfFame(hall);
    }
    ShowHallOfFame(app, recorded);
}

void AskPlayerName(App& app) {
    HallOfFame& hall = app.hallOfFame;
    if (const std::optional<std::string> name = platform::AskNameDialog(app.window, hall.PlayerName)) {
        hall.PlayerName = OneLine(*name);
        hall.NameConfirmed = true;
    }
}

void ShowHallOfFame(App& app, int selectedPlace) {
    const auto confirm = [&app] { return ConfirmDelete(app); };
    while (const std::optional<int> level = platform::ShowHallOfFameDialog(
               app.window, ListedPlaces(app.hallOfFame, app.options.CurrentLevel, selectedPlace), confirm)) {
        if (const std::optional<std::string> error = DeleteLevelList(app.hallOfFame, *level)) TellFailure(app, *error);
        selectedPlace = 0;
    }
    app.options.IgnoreEscape = true;  // the key release that closed the dialog must not end a game
}

platform::HallOfFameLists ListedPlaces(const HallOfFame& hall, int currentLevel, int selectedPlace) {
    platform::HallOfFameLists lists;
    lists.currentTab = currentLevel >= 0 && currentLevel < kChampLevels ? currentLevel : 0;
    for (int level = 0; level < kChampLevels; ++level)
        for (int place = 1; place <= kChampPlaces; ++place) {
            if (IsFreePlace(hall.ChampTime[level][place])) continue;
            lists.levels[level].push_back({RankText(place), hall.ChampName[level][place], hall.ChampDate[level][place],
                                           hall.ChampTime[level][place],
                                           level == lists.currentTab && place == selectedPlace});
        }
    return lists;
}

}  // namespace drz
