// The play loop: a click on a cell makes its step, the verdict is shown, and the solved check follows.
#include "display/clock.h"
#include "game/game_loop.h"
#include "game/game_loops.h"
#include "game/hall_of_fame_commands.h"
#include "game/step_view.h"
#include "input/board_click.h"

namespace drz {

namespace {

// Digits and clears are judged; marks and a pad closed without a choice leave the status as it is.
bool Judged(StepKind kind) { return kind == StepKind::EnterDigit || kind == StepKind::ClearCell; }

// By the mouse or by a key on the cursor's cell: the step shown, then the solved check.
void ShowPlayClick(App& app, const BoardClick& click) {
    if (!click.hitCell) return;
    if (!click.step) {
        SolvedCheck(app, VerdictOf(app.board));
        return;
    }
    ShowCellStep(app, *click.step, Judged(click.step->kind));
    SolvedCheck(app, click.step->verdict);
}

void PlayClick(App& app, const platform::InputEvent& event) {
    ShowPlayClick(app, PlayBoardClick(app.display, app.input, event));
}

void PlayCursorKey(App& app, CellRef cell, CellKey key) {
    ShowPlayClick(app, PlayCellKey(app.display, app.input, cell, key));
}

}  // namespace

void SolvedCheck(App& app, const Verdict& verdict) {
    ClockState& clock = app.clock;
    if (!verdict.solved || !clock.ClockRunning) return;
    clock.BoardSolved = true;
    const std::string time = TakeFinalTime(app.display);
    clock.BoardSolved = false;
    // The clock has stopped and its label shows the final time while the name is asked and the lists shown.
    RecordCompletionTime(app, time);
    UpdateClock(app.display);
}

void PlayLoop(App& app) {
    ShowBoardStep(app, Refresh(app.board, CandidateRule(app.options)));
    if (app.clock.ClockRunning) app.clockThread.Start();
    RunGameLoop(app, {GameLoop::Play, PlayClick, PlayCursorKey});
}

}  // namespace drz
