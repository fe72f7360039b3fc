// help_pictures — the pictures of the manual, drawn by the game's own display code into PNG files.
// Usage: help_pictures LEVEL_FILE OUTPUT_FOLDER (run on the offscreen platform; `make help-pictures`).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "board/board_ops.h"
#include "display/board_view.h"
#include "display/cell_geometry.h"
#include "display/panels.h"
#include "engine/hint.h"
#include "engine/rules.h"
#include "game/app.h"
#include "game/command_bar.h"
#include "game/hint_key.h"
#include "game/keyboard_play.h"
#include "game/menu_commands.h"
#include "game/start_up.h"
#include "game/step_view.h"
#include "input/picker_pad.h"
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

// A game in play: the command bar under the board, the pad open over the first empty cell of grid 7.
bool DrawPlay(drz::App& app, const fs::path& folder) {
    drz::DrawCommandBar(app.display);
    bool ok = Write(app, folder, "befehlsleiste_voll.png");
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x)
            if (app.board.Cell(7, x, y) == 0) {
                const drz::CellRef cell{7, x, y};
                const drz::PadCorner corner = drz::PadCornerOf(cell);  // where the pad opens over a clicked cell
                app.input.HoverDigit = 5;
                app.input.PadCell = cell;
                drz::DrawPickerPad(app.display, app.input, cell);
                std::printf("pad %d %d\n", corner.left, corner.top);
                ok = Write(app, folder, "zahlenfeld_voll.png") && ok;
                app.display.screen.Restore(app.input.SavedBackground, corner.left, corner.top);
                return ok;
            }
    return false;
}

// The crop of a picture around the cells first..last, for `make help-pictures`.
bool WriteCrop(const fs::path& folder, const char* name, drz::CellRef first, drz::CellRef last, int margin) {
    const int x1 = std::max(0, drz::CellLeft(first.k, first.x) - margin);
    const int y1 = std::max(0, drz::CellTop(first.k, first.y) - margin);
    const int x2 = drz::CellLeft(last.k, last.x) + drz::kCellWidth + margin;
    const int y2 = drz::CellTop(last.k, last.y) + drz::kCellHeight + margin;
    std::ofstream(folder / name) << x2 - x1 + 1 << 'x' << y2 - y1 + 1 << '+' << x1 << '+' << y1 << '\n';
    return true;
}

// Keyboard play on the first level board, its forced steps made until one is forced by a row, column or box:
// the cursor with the same-digit highlight, then the hint T shows there.
bool DrawKeyboardPlay(drz::App& app, const fs::path& folder, const char* levelFile) {
    if (!drz::LoadBoardSlot(app.board, levelFile, 0).BoardChanged()) return false;
    drz::Hint hint = drz::FindHint(app.board);
    while (hint.kind == drz::HintKind::NakedSingle) {
        drz::EnterDigit(app.board, hint.cell, hint.digit, drz::CandidateRule(app.options));
        hint = drz::FindHint(app.board);
    }
    if (hint.unit.kind == drz::UnitKind::None) return false;
    ShowBoard(app);
    const std::array<drz::CellRef, 9> unit = drz::UnitCells(hint.cell.k, hint.unit);
    app.input.Cursor = unit.front();
    app.input.SameDigitHighlight = true;
    drz::ShowKeyboardMarks(app);
    bool ok = Write(app, folder, "schreibmarke_voll.png");
    drz::HideKeyboardMarks(app);
    app.input.SameDigitHighlight = false;
    drz::ShowKeyboardMarks(app);
    drz::HintKey(app, drz::GameLoop::Play, {drz::platform::kKeyUp, 'T'});
    drz::ShowHint(app);
    ok = Write(app, folder, "hinweis_voll.png") && WriteCrop(folder, "hinweis.crop", unit.front(), unit.back(), 30) &&
         ok;
    drz::HideHint(app);
    drz::EndKeyboardPlay(app);
    return ok;
}

// Own-board entry: the givens of one grid typed in so far on an empty board, with the command bar.
bool DrawOwnBoard(drz::App& app, const fs::path& folder, const char* levelFile) {
    drz::Board level = app.board;
    if (!drz::LoadBoardSlot(level, levelFile, 1).BoardChanged()) return false;
    drz::ClearBoard(app.board);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) app.board.Given(1, x, y) = app.board.Cell(1, x, y) = level.Given(1, x, y);
    app.panels.HelpText = drz::kClickCellHelpText;
    drz::ShowHelpText(app.display);
    ShowBoard(app);
    drz::DrawCommandBar(app.display);
    return Write(app, folder, "eigenes.png");
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
    app.options.ShowCandidates = false;
    ShowBoard(app);
    drz::DrawStatisticsPanel(app.display, drz::VerdictOf(app.board));
    ok = DrawPlay(app, folder) && ok;
    ok = DrawKeyboardPlay(app, folder, argv[1]) && ok;
    ok = DrawOwnBoard(app, folder, argv[1]) && ok;
    return ok ? 0 : 1;
}
