// help_pictures — the pictures of the manual, drawn by the game's own display code into PNG files.
// Usage: help_pictures LEVEL_FILE OUTPUT_FOLDER (run on the offscreen platform; `make help-pictures`).
#include <cstdio>
#include <filesystem>
#include <string>

#include "display/board_view.h"
#include "display/panels.h"
#include "engine/rules.h"
#include "game/app.h"
#include "game/start_up.h"
#include "game/step_view.h"
#include "platform/application.h"
#include "storage/board_file.h"

namespace {

namespace fs = std::filesystem;

bool Write(drz::App& app, const fs::path& folder, const char* name) {
    const bool ok = app.window.WriteSnapshotPng((folder / name).string());
    if (!ok) std::fprintf(stderr, "help_pictures: cannot write %s\n", (folder / name).c_str());
    return ok;
}

// A few entries of the player beside the givens: empty cells of grid 7 get a digit the rules admit there.
void EnterSomeDigits(drz::Board& board) {
    int entered = 0;
    for (int y = 4; y <= 6 && entered < 5; ++y)
        for (int x = 1; x <= 9 && entered < 5; ++x) {
            if (board.Cell(7, x, y) != 0) continue;
            drz::Board trial = board;
            drz::ComputeCandidates(trial);
            for (int d = 1; d <= 9; ++d)
                if (trial.Mark(7, x, y, d)) {
                    board.Cell(7, x, y) = static_cast<std::uint8_t>(d);
                    ++entered;
                    break;
                }
        }
    board.SetAllMarks(false);
}

void ShowBoard(drz::App& app) {
    const drz::EditStep step = drz::Refresh(app.board, drz::CandidateRule(app.options));
    drz::ShowBoardStep(app, step);
    drz::ShowGivenCount(app.display);
    drz::ShowDigitCounts(app.display, step.verdict);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Usage: help_pictures LEVEL_FILE OUTPUT_FOLDER\n");
        return 2;
    }
    drz::platform::Application application(argc, argv);
    drz::App app;
    drz::StartUp(app);
    const fs::path folder = argv[2];
    bool ok = Write(app, folder, "start.png");
    if (!drz::LoadBoardSlot(app.board, argv[1], 0).BoardChanged()) {
        std::fprintf(stderr, "help_pictures: cannot read %s\n", argv[1]);
        return 1;
    }
    EnterSomeDigits(app.board);
    ShowBoard(app);
    ok = Write(app, folder, "spiel.png") && ok;
    app.options.ShowNumerals = false;
    ShowBoard(app);
    drz::DrawStatisticsPanel(app.display, drz::VerdictOf(app.board));
    ok = Write(app, folder, "buchstaben.png") && ok;
    app.options.ShowNumerals = true;
    app.options.ShowCandidates = true;
    ShowBoard(app);
    drz::DrawStatisticsPanel(app.display, drz::VerdictOf(app.board));
    ok = Write(app, folder, "kandidaten.png") && ok;
    return ok ? 0 : 1;
}
