// The hint key: the engine finds, the game decides what it says and that timing ends, the display draws.
#include "game/hint_key.h"

#include "display/hint_marks.h"
#include "game/hint_text.h"
#include "game/step_view.h"

namespace drz {

bool HintKey(App& app, GameLoop loop, const platform::InputEvent& event) {
    if (event.message != platform::kKeyUp || event.param != 'T' || (event.modifiers & platform::kControlHeld) != 0)
        return false;
    InputState& in = app.input;
    if (loop == GameLoop::OwnBoard) {
        // The player is making the puzzle: there is nothing to explain yet.
        in.ShownHint = Hint{};
        in.HintSentence = kOwnBoardHintText;
        return true;
    }
    in.ShownHint = FindHint(app.board);
    in.HintSentence = HintSentence(*in.ShownHint, app.options.ShowNumerals);
    if (app.clock.ClockRunning) StopTimingForCandidates(app);
    return true;
}

void ShowHint(App& app) {
    InputState& in = app.input;
    if (!in.ShownHint) return;
    DrawHintOutlines(app.display, *in.ShownHint, in.HintCovered);
    DrawHintSentence(app.display, in.HintSentence, in.HintCovered);
}

void HideHint(App& app) {
    EraseHint(app.display, app.input.HintCovered);
    app.input.ShownHint.reset();
}

}  // namespace drz
