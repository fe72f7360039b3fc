// The key table of the play loop and of own-board entry.
#include "game/game_keys.h"

#include "display/clock.h"
#include "game/solve_command.h"
#include "game/step_view.h"

namespace drz {

namespace {

constexpr int kEscape = 27;

// Escape leaves the loop, unless Escape closed a pad or the exit question or the hall of fame closed since the
// last menu command or pad: that Escape's release must not end the game, and until the next pad or menu command
// no Escape does (Abort or A still do).
bool EscapeKey(App& app, GameLoop loop) {
    if (app.options.IgnoreEscape) return false;
    AbortGame(app, loop);
    if (loop == GameLoop::Play) UpdateClock(app.display);
    return true;
}

// K then O, with any keys between: the forced-step solver. In play the game stops being timed, and the
// player's contradictory entries are thrown away for a second run from the givens.
void SolveKey(App& app, GameLoop loop) {
    if (app.options.KeyPrefix == "K") {
        if (loop == GameLoop::Play) {
            app.clock.ClockRunning = false;
            RunSolveCommand(app);
            UpdateClock(app.display);
        } else {
            RunSolveBoard(app);
        }
    }
    app.options.KeyPrefix.clear();
}

void MarkEverything(App& app, bool on) { ShowBoardStep(app, SetAllMarks(app.board, on, CandidateRule(app.options))); }

}  // namespace

bool KeyBelongsToPad(App& app, int key) {
    if (key == 0 || key != app.input.PadKeyRelease) return false;
    app.input.PadKeyRelease = 0;
    return true;
}

bool GameKey(App& app, GameLoop loop, int key) {
    const bool play = loop == GameLoop::Play;
    switch (key) {
        case 'N':
            ShowBoardStep(app, Restart(app.board, CandidateRule(app.options)));
            return false;
        case 'L':
            return PressButton(app, loop, CommandButton::Load);
        case 'S':
            return PressButton(app, loop, CommandButton::Save);
        case 'D':
            return PressButton(app, loop, CommandButton::Print);
        case 'H':
            return PressButton(app, loop, CommandButton::Help);
        case kEscape:
            return EscapeKey(app, loop);
        case 'A':
            if (!app.options.ShowNumerals) return false;  // with letters shown A is the digit 1
            AbortGame(app, loop);
            return true;
        case 'K':
            app.options.KeyPrefix.assign(1, 'K');
            return false;
        case 'O':
            SolveKey(app, loop);
            return false;
        case 'F':
            if (play) MarkEverything(app, true);
            return false;
        case 'C':
            if (play) MarkEverything(app, false);
            return false;
        case 'M':
            ToggleCandidates(app);
            return false;
        case 'X':
            if (!play)
                ShowBoardStep(app,
                              Shuffle(app.board, app.random, app.options.SymmetricPuzzle, CandidateRule(app.options)));
            return false;
        default:
            return false;
    }
}

}  // namespace drz
