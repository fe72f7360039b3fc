#include "game/exit.h"

namespace drz {

void ConfirmExit(App& app) {
    if (app.window.MessageBox(2, "Spiel beenden?", 2, "&JA|&NEIN") != 1) return;
    StopClock(app);
    app.window.Close();
    app.CommandBarImage = platform::Picture{};
    throw platform::ProgramExit{};
}

void CloseBoxClicked(App& app) {
    ConfirmExit(app);
    // The Escape release that may have answered the question must not end a game loop underneath.
    app.options.IgnoreEscape = true;
}

void StopClock(App& app) {
    app.clock.ClockRunning = false;
    app.clockThread.Stop();
}

}  // namespace drz
