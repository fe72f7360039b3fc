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

void ShowCellStep(App& app, const EditStep& step, bool judged) {
    DrawStepCells(app.display, step);
    if (judged) ShowVerdict(app, step.verdict);
    AfterCandidates(app, step);
}

void ShowBoardStep(App& app, const EditStep& step) {
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
    ShowBoardStep(app, SetAllMarks(app.board, false, CandidateRule(app.options)));
}

}  // namespace drz
