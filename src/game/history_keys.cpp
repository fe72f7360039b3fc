// Undo, redo and the checkpoints in the game loops: the board written back, then drawn as a step.
#include "game/history_keys.h"

#include "display/board_view.h"
#include "display/panels.h"
#include "game/game_loops.h"
#include "game/step_view.h"

namespace drz {

namespace {

constexpr int kF2 = 113;
constexpr int kF3 = 114;

bool OnOneCell(StepKind kind) {
    switch (kind) {
        case StepKind::EnterDigit:
        case StepKind::ClearCell:
        case StepKind::ToggleMark:
        case StepKind::ClearMarks:
        case StepKind::EnterGiven:
        case StepKind::RemoveGiven:
            return true;
        default:
            return false;
    }
}

// A step taken back or made again: drawn like the step itself, where it changed the board; the clock left as
// it is.
void ShowHistoryStep(App& app, GameLoop loop, const EditStep& step) {
    if (OnOneCell(step.kind)) {
        DrawStepCells(app.display, step);
        if (step.DigitsChanged()) ShowVerdict(app, step.verdict);
    } else {
        RedrawStepCells(app.display, step);
        if (!step.verdict.valid) platform::Beep();
    }
    if (loop == GameLoop::OwnBoard) {
        ShowGivenCount(app.display);
    } else {
        SolvedCheck(app, step.verdict);
    }
}

bool Undo(App& app, GameLoop loop, bool forward) {
    bool& shown = app.options.ShowCandidates;
    const std::optional<EditStep> step =
        forward ? RedoStep(app.board, app.history, shown) : UndoStep(app.board, app.history, shown);
    if (step) ShowHistoryStep(app, loop, *step);
    return true;
}

bool CheckpointKey(App& app, GameLoop loop, bool shift) {
    if (shift) {
        if (DropCheckpoint(app.history)) ShowHelpCovering(app.display, kCheckpointDroppedHelpText);
        return true;
    }
    if (std::optional<EditStep> step = ReturnToCheckpoint(app.board, app.history, app.options.ShowCandidates))
        ShowHistoryStep(app, loop, *step);
    return true;
}

}  // namespace

bool HistoryKey(App& app, GameLoop loop, const platform::InputEvent& event) {
    if (event.message != platform::kKeyUp) return false;
    const bool control = (event.modifiers & platform::kControlHeld) != 0;
    const bool shift = (event.modifiers & platform::kShiftHeld) != 0;
    if (control && event.param == 'Z') return Undo(app, loop, shift);
    if (control && event.param == 'Y') return Undo(app, loop, true);
    if (control) return false;
    if (event.param == kF2 && !shift) {
        SetCheckpoint(app.board, app.history, app.options.ShowCandidates);
        ShowHelpCovering(app.display, kCheckpointSetHelpText);
        return true;
    }
    if (event.param == kF3) return CheckpointKey(app, loop, shift);
    return false;
}

}  // namespace drz
