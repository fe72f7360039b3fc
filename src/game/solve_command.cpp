#include "game/solve_command.h"

#include <string>

#include "display/board_view.h"
#include "display/panels.h"
#include "engine/solver.h"

namespace drz {

namespace {

// Shows what the solver does: wait cursor, each placement at once, the counts and status, the verdict.
class ScreenSolveHooks : public SolveHooks {
public:
    explicit ScreenSolveHooks(App& app) : app_(app) {}

    void Begin() override { app_.window.SetCursor(platform::Cursor::Wait); }
    void Placed(int k, int x, int y, int d) override {
        app_.panels.CurrentGrid = static_cast<std::int16_t>(k);
        DrawCell(app_.display, x, y, d);
    }
    void Judged(bool) override { ShowDigitCounts(app_.display); }
    void Verdict(std::string_view text, std::string_view button) override {
        app_.window.MessageBox(platform::MessageIcon::None, text, {std::string(button)},
                               platform::MessageButton::First);
    }
    void AfterVerdict() override {
        if (app_.options.ShowCandidates) RefreshCandidates(app_.display);
    }
    void End() override { app_.window.SetCursor(platform::Cursor::Arrow); }
    void EntriesCleared() override { RedrawCells(app_.display); }

private:
    App& app_;
};

}  // namespace

void RunSolveCommand(App& app) {
    ScreenSolveHooks hooks(app);
    SolveCommand(app.board, hooks);
}

void RunSolveBoard(App& app) {
    ScreenSolveHooks hooks(app);
    SolveBoard(app.board, hooks);
}

}  // namespace drz
