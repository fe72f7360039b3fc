// The pause's loop: wait for one event, let it be dispatched, look at it; the board comes back when it goes on.
#include "game/pause.h"

#include <utility>

#include "display/board_cover.h"
#include "display/clock.h"

namespace drz {

namespace {

constexpr int kEscape = 27;

enum class GoOn { No, Only, ThenAct };

// The keys of the command bar's buttons (A only while numerals are shown: with letters it is a digit).
bool ButtonKey(const App& app, int key) {
    switch (key) {
        case 'L':
        case 'S':
        case 'D':
        case 'N':
        case 'H':
        case kEscape:
            return true;
        case 'A':
            return app.options.ShowNumerals;
        default:
            return false;
    }
}

GoOn LookAtPaused(const App& app, const platform::InputEvent& event) {
    switch (event.message) {
        case platform::kKeyUp:
            if (event.param == 'P') return GoOn::Only;
            return ButtonKey(app, event.param) ? GoOn::ThenAct : GoOn::No;
        case platform::kLeftButtonDown:
            return ButtonAt(event.x, event.y) ? GoOn::ThenAct : GoOn::Only;
        case platform::kRightButtonDown:
            return GoOn::Only;
        default:
            return GoOn::No;
    }
}

}  // namespace

bool PauseAsked(const App& app, GameLoop loop, const platform::InputEvent& event) {
    if (loop != GameLoop::Play || !app.clock.ClockRunning || app.clock.Paused) return false;
    return (event.message == platform::kKeyUp && event.param == 'P') || event.message == platform::kWindowMinimized;
}

bool PauseAskedInPad(App& app, GameLoop loop) {
    return std::exchange(app.input.PadMinimized, false) && PauseAsked(app, loop, {platform::kWindowMinimized});
}

std::optional<platform::InputEvent> RunPause(App& app) {
    PauseClock(app.display);
    const CoveredBoard covered = CoverBoard(app.display, kPauseHelpText);
    for (;;) {
        const platform::InputEvent event = app.window.WaitEvent();
        const GoOn goOn = LookAtPaused(app, event);
        if (goOn == GoOn::No) continue;
        UncoverBoard(app.display, covered);
        ContinueClock(app.display);
        if (goOn == GoOn::ThenAct) return event;
        return std::nullopt;
    }
}

}  // namespace drz
