// What the command-bar buttons do, in both game loops.
#include "display/clock.h"
#include "display/panels.h"
#include "game/command_bar.h"
#include "game/slot_dialogs.h"
#include "game/step_view.h"
#include "input/picker_pad.h"
#include "output/help.h"
#include "output/print_board.h"
#include "storage/board_file.h"

namespace drz {

namespace {

void LoadIntoLoop(App& app, GameLoop loop) {
    app.options.BoardFile = kPlayerBoardFile;
    LoadBoardDialog(app);
    ShowGivenCount(app.display);
    ShowBoardStep(app, Refresh(app.board, CandidateRule(app.options)));
    if (loop == GameLoop::Play) UpdateClock(app.display);
}

void RunAction(App& app, GameLoop loop, CommandButton button) {
    switch (button) {
        case CommandButton::Load:
            LoadIntoLoop(app, loop);
            break;
        case CommandButton::Save:
            SaveBoardDialog(app);
            break;
        case CommandButton::Print:
            PrintBoard(app.display);
            break;
        case CommandButton::Restart:
            ShowBoardStep(app, Restart(app.board, CandidateRule(app.options)));
            break;
        case CommandButton::Help:
            ShowHtmlHelpTopic(app.display, "Dreizehner.chm", "Erklärung.htm");
            break;
        case CommandButton::Abort:
            break;
    }
}

}  // namespace

void AbortGame(App& app, GameLoop loop) {
    DrawCommandButton(app.display, CommandButton::Abort, 1);
    if (loop == GameLoop::Play) app.clock.ClockRunning = false;
    platform::Pause(200);
}

bool PressButton(App& app, GameLoop loop, CommandButton button) {
    if (button == CommandButton::Abort) {
        AbortGame(app, loop);
        return true;
    }
    DrawCommandButton(app.display, button, 1);
    RunAction(app, loop, button);
    WaitMouseRelease(app.display);
    DrawCommandButton(app.display, button, 0);
    return false;
}

}  // namespace drz
