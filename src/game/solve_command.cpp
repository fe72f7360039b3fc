#include "game/solve_command.h"

#include <string>

#include "display/board_view.h"
#include "game/step_view.h"

namespace drz {

namespace {

// Shows what the solver does: wait cursor, each placement at once, the counts and status, the verdict.
class ScreenSolveHooks : public SolveHooks {
public:
    explicit ScreenSolveHooks(App& app) : app_(app) {}

    void Begin() override { app_.window.SetCursor(platform::Cursor::Wait); }
    void Placed(int k, int x, int y, int d) override { DrawCell(app_.display, {k, x, y}, d); }
    void Judged(bool) override { ShowVerdict(app_, VerdictOf(app_.board)); }
    void Verdict(std::string_view text, std::string_view button) override {
        app_.window.MessageBox(platform::MessageIcon::None, text, {std::string(button)},
                               platform::MessageButton::First);
    }
    void AfterVerdict() override {
        if (!app_.options.ShowCandidates) return;
        DrawCandidates(app_.display);
        StopTimingForCandidates(app_);
    }
    void End() override { app_.window.SetCursor(platform::Cursor::Arrow); }
    void EntriesCleared() override {
        EditStep cleared;
        cleared.verdict = VerdictOf(app_.board);
        cleared.candidatesRecomputed = app_.options.ShowCandidates;
        ShowBoardStep(app_, cleared);
    }

private:
    App& app_;
};

void RunSolve(App& app, bool retry) {
    ScreenSolveHooks hooks(app);
    RememberStep(app, Solve(app.board, hooks, retry, CandidateRule(app.options)));
}

}  // namespace

void RunSolveCommand(App& app) { RunSolve(app, true); }

void RunSolveBoard(App& app) { RunSolve(app, false); }

}  // namespace drz
