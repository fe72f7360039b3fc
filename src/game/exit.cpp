#include "game/exit.h"

#include "game/autosave.h"

namespace drz {

void ConfirmExit(App& app) {
    const platform::MessageButton answer = app.window.MessageBox(platform::MessageIcon::Question, "Spiel beenden?",
                                                                 {"&JA", "&NEIN"}, platform::MessageButton::Second);
    if (answer != platform::MessageButton::First) return;
    KeepGameAtExit(app);
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
