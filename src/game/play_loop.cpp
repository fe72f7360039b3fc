// The play loop: wait for one event, let it be dispatched, look at it.
#include "display/board_view.h"
#include "display/clock.h"
#include "game/command_bar.h"
#include "game/game_keys.h"
#include "game/game_loops.h"
#include "input/board_click.h"

namespace drz {

void SolvedCheck(App& app) {
    ClockState& clock = app.clock;
    if (app.panels.StatusText != kSolvedStatusText || !clock.ClockRunning) return;
    clock.BoardSolved = true;
    UpdateClock(app.display);
    clock.ClockRunning = false;
    clock.BoardSolved = false;
}

void PlayLoop(App& app) {
    RedrawCells(app.display);
    DrawCommandBar(app.display);
    if (app.clock.ClockRunning) app.clockThread.Start();
    for (;;) {
        const platform::InputEvent event = app.window.WaitEvent();
        if (event.message == platform::kKeyUp) {
            if (KeyBelongsToPad(app, event.param)) continue;
            app.panels.StatusText = std::string(1, static_cast<char>(event.param));
            if (GameKey(app, GameLoop::Play, event.param)) return;
        }
        if (event.message == platform::kLeftButtonDown) {
            if (auto button = ButtonAt(event.x, event.y))
                if (PressButton(app, GameLoop::Play, *button)) return;
        }
        if (event.message == platform::kLeftButtonDown || event.message == platform::kRightButtonDown) {
            if (PlayBoardClick(app.display, app.input, event)) SolvedCheck(app);
        }
    }
}

}  // namespace drz
