#include "game/menu_commands.h"

#include "display/panels.h"
#include "game/deal_commands.h"
#include "game/exit.h"
#include "game/game_loops.h"
#include "game/hall_of_fame_commands.h"
#include "game/menu_bar.h"
#include "game/slot_dialogs.h"
#include "game/solve_command.h"
#include "game/step_view.h"
#include "output/about.h"
#include "output/help.h"
#include "output/print_board.h"
#include "storage/board_file.h"

namespace drz {

namespace {

bool AsksForACell(int id) {
    switch (id) {
        case kMenuNewGame:
        case kMenuStartGame:
        case kMenuOwnBoard:
        case kMenuLoadBoard:
        case kMenuSaveBoard:
        case kMenuSolveBoard:
        case kMenuShuffleBoard:
        case kMenuRestart:
            return true;
        default:
            return false;
    }
}

void Prologue(App& app, int id) {
    app.options.IgnoreEscape = false;
    app.window.SetMenuEnabled(false);
    if (AsksForACell(id)) {
        app.panels.HelpText = kClickCellHelpText;
        DrawHelpPanel(app.display);
    }
}

void Epilogue(App& app) {
    app.window.SetMenuEnabled(true);
    app.window.SetCursor(platform::Cursor::Default);
    UpdateMenuChecks(app.window, app.options);
    ShowGivenCount(app.display);
    app.panels.HelpText = kIdleHelpText;
    ShowHelpText(app.display);
    app.display.screen.Restore(app.CommandBarImage, 159, 885);
}

void ShowDigitsAs(App& app, bool numerals) {
    app.options.ShowNumerals = numerals;
    UpdateMenuChecks(app.window, app.options);
    const EditStep step = Refresh(app.board, CandidateRule(app.options));
    ShowBoardStep(app, step);
    DrawStatisticsPanel(app.display, step.verdict);
}

// The items of "Spiel" and "Brett"; false for any other item.
bool PerformGameAction(App& app, int id) {
    switch (id) {
        case kMenuNewGame:
            NewGame(app);
            break;
        case kMenuStartGame:
            PlayLoop(app);
            break;
        case kMenuOwnBoard:
            OwnBoardLoop(app);
            break;
        case kMenuPrintGame:
            PrintNewGame(app);
            break;
        case kMenuLoadBoard:
            app.options.BoardFile = kPlayerBoardFile;
            LoadBoardDialog(app);
            ShowGivenCount(app.display);
            PlayLoop(app);
            break;
        case kMenuSaveBoard:
            SaveBoardDialog(app);
            PlayLoop(app);
            break;
        case kMenuRestart:
            RememberStep(app, Restart(app.board, CandidateRule(app.options)));  // the play loop shows it
            PlayLoop(app);
            break;
        case kMenuSolveBoard:
            RunSolveCommand(app);
            break;
        case kMenuShuffleBoard:
            ShowBoardStep(app, Shuffle(app.board, app.random, app.options.SymmetricPuzzle, CandidateRule(app.options)));
            break;
        case kMenuClearBoard:
            ShowBoardStep(app, ClearWholeBoard(app.board, CandidateRule(app.options)));
            break;
        default:
            return false;
    }
    return true;
}

// The options, the hall of fame, printing, help and the end.
void PerformOtherAction(App& app, int id) {
    switch (id) {
        case kMenuLevelEasy:
        case kMenuLevelEasy + 1:
        case kMenuLevelEasy + 2:
        case kMenuLevelEasy + 3:
            app.options.CurrentLevel = static_cast<std::int16_t>(id - kMenuLevelEasy);
            break;
        case kMenuNumerals:
            ShowDigitsAs(app, true);
            break;
        case kMenuLetters:
            ShowDigitsAs(app, false);
            break;
        case kMenuShowCandidates:
            ToggleCandidates(app);
            break;
        case kMenuSymmetry:
            app.options.SymmetricPuzzle = !app.options.SymmetricPuzzle;
            break;
        case kMenuHallOfFame:
            ShowHallOfFame(app);
            break;
        case kMenuAbout:
            ShowAboutDialog(app.display);  // the old help's "Einführung" would follow; there is only the HTML help
            break;
        case kMenuPrintBoard:
            PrintBoard(app.display);
            break;
        case kMenuInstructions:
            ShowHtmlHelpTopic(app.display, kHelpFile, kOverviewTopic);
            break;
        case kMenuExit:
            ConfirmExit(app);
            break;
        default:
            break;  // items whose actions arrive with the play loop, files, printing and help
    }
}

}  // namespace

void RunMenuCommand(App& app, int id) {
    Prologue(app, id);
    if (!PerformGameAction(app, id)) PerformOtherAction(app, id);
    Epilogue(app);
}

}  // namespace drz
