#include "game/step_view.h"

#include "display/board_view.h"
#include "display/clock.h"
#include "display/panels.h"

namespace drz {

namespace {

void AfterCandidates(App& app, const EditStep& step) {
    if (step.candidatesRecomputed) StopTimingForCandidates(app);
}

}  // namespace

void ShowVerdict(App& app, const Verdict& verdict) {
    ShowDigitCounts(app.display, verdict);
    if (!verdict.valid) platform::Beep();
}

void RememberStep(App& app, const EditStep& step, bool candidatesBefore) {
    if (step.kind == StepKind::Deal || step.kind == StepKind::Load || step.kind == StepKind::ClearBoard) {
        StartHistory(app.history);
        return;
    }
    RecordStep(app.history, step, candidatesBefore, app.options.ShowCandidates);
}

void RememberStep(App& app, const EditStep& step) { RememberStep(app, step, app.options.ShowCandidates); }

void ShowCellStep(App& app, const EditStep& step, bool judged) {
    RememberStep(app, step);
    if (step.kind == StepKind::EnterDigit && step.cell)
        app.input.LastEnteredDigit = app.board.Cell(step.cell->k, step.cell->x, step.cell->y);
    DrawStepCells(app.display, step);
    if (judged) ShowVerdict(app, step.verdict);
    AfterCandidates(app, step);
}

void ShowBoardStep(App& app, const EditStep& step) {
    RememberStep(app, step);
    DrawBoardStep(app, step);
}

void DrawBoardStep(App& app, const EditStep& step) {
    RedrawCells(app.display, step.verdict);
    if (!step.verdict.valid) platform::Beep();
    AfterCandidates(app, step);
}

void StopTimingForCandidates(App& app) {
    app.clock.ClockRunning = false;
    UpdateClock(app.display);
}

void ToggleCandidates(App& app) {
    app.clock.ClockRunning = false;
    app.options.ShowCandidates = !app.options.ShowCandidates;
    const EditStep step = SetAllMarks(app.board, false, CandidateRule(app.options));
    RememberStep(app, step, !app.options.ShowCandidates);
    DrawBoardStep(app, step);
}

}  // namespace drz
