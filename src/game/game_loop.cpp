// The skeleton of the game loops: released keys go to the key table, left clicks on the command bar press
// its buttons, and every button press on the board is the loop's board click.
#include "game/game_loop.h"

#include "game/game_keys.h"
#include "game/hint_key.h"
#include "game/history_keys.h"
#include "game/keyboard_play.h"

namespace drz {

namespace {

// True when the event ends the loop.
bool LookAt(App& app, const LoopRules& rules, const platform::InputEvent& event) {
    if (event.message == platform::kKeyUp && KeyBelongsToPad(app, event.param)) return false;
    if (event.message == platform::kKeyUp && HistoryKey(app, rules.loop, event)) return false;
    if (HintKey(app, rules.loop, event)) return false;
    if (KeyboardPlayKey(app, rules, event)) return false;
    if (event.message == platform::kKeyUp) {
        if (GameKey(app, rules.loop, event.param)) return true;
    }
    if (event.message == platform::kLeftButtonDown) {
        if (const std::optional<CommandButton> button = ButtonAt(event.x, event.y))
            if (PressButton(app, rules.loop, *button)) return true;
    }
    if (event.message == platform::kLeftButtonDown || event.message == platform::kRightButtonDown) {
        NoteBoardClick(app, event);
        rules.boardClick(app, event);
    }
    return false;
}

}  // namespace

void RunGameLoop(App& app, const LoopRules& rules) {
    DrawCommandBar(app.display);
    for (;;) {
        const platform::InputEvent event = app.window.WaitEvent();
        HideHint(app);
        HideKeyboardMarks(app);
        if (LookAt(app, rules, event)) break;
        ShowKeyboardMarks(app);
        ShowHint(app);
    }
    HideHint(app);
    EndKeyboardPlay(app);
}

}  // namespace drz
