// Own-board entry: wait for one event, let it be dispatched, look at it. No clock, no solved check.
#include "display/panels.h"
#include "game/command_bar.h"
#include "game/game_keys.h"
#include "game/game_loops.h"
#include "input/board_click.h"

namespace drz {

void OwnBoardLoop(App& app) {
    app.options.OwnBoardEntry = true;
    DrawCommandBar(app.display);
    for (;;) {
        const platform::InputEvent event = app.window.WaitEvent();
        if (event.message == platform::kKeyUp) {
            if (KeyBelongsToPad(app, event.param)) continue;
            app.panels.StatusText = std::string(1, static_cast<char>(event.param));
            if (GameKey(app, GameLoop::OwnBoard, event.param)) return;
        }
        if (event.message == platform::kLeftButtonDown) {
            if (auto button = ButtonAt(event.x, event.y))
                if (PressButton(app, GameLoop::OwnBoard, *button)) return;
        }
        if (event.message == platform::kLeftButtonDown || event.message == platform::kRightButtonDown)
            OwnBoardClick(app.display, app.input, event);
    }
}

}  // namespace drz
