// Dealing a level board for a new game or a printed one. A level file that is missing or damaged deals
// nothing: the player is told which file, and no game starts.
#include "game/deal_commands.h"

#include <filesystem>

#include "display/board_view.h"
#include "display/clock.h"
#include "display/panels.h"
#include "engine/shuffle.h"
#include "game/game_loops.h"
#include "output/print_board.h"
#include "storage/board_file.h"

namespace drz {

namespace {

std::string GameFolder() {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::current_path(ec);
    return ec ? std::string("(unbekannt)") : folder.string();
}

void TellNotDealt(App& app, const DealOutcome& deal) {
    const std::string file = "\"" + deal.file.filename().string() + "\"";
    std::string text;
    switch (deal.load.status) {
        case LoadStatus::Missing:
            text = "Die Stufendatei " + file + " fehlt im Ordner des Spiels:\n";
            break;
        case LoadStatus::TooShort:
            text = "Die Stufendatei " + file + " im Ordner des Spiels ist zu kurz (beschädigt):\n";
            break;
        case LoadStatus::Damaged:
            text = "Die Stufendatei " + file + " im Ordner des Spiels ist beschädigt:\n";
            break;
        default:
            text = "Die Stufendatei " + file + " im Ordner des Spiels kann nicht gelesen werden:\n";
            break;
    }
    const std::string detail = deal.load.status == LoadStatus::Damaged ? "\n" + deal.load.message : std::string();
    app.window.MessageBox(platform::MessageIcon::None,
                          text + GameFolder() + detail + "\n\nEs wurde kein Spiel gegeben.", {"OK"},
                          platform::MessageButton::First);
}

// The level board, with the level panel updated; false when nothing could be dealt.
bool DealBoard(App& app) {
    app.clock.ClockRunning = false;
    const DealOutcome deal = DealLevelBoard(app.board, app.options.CurrentLevel, app.random);
    app.options.BoardFile = deal.file.string();
    if (!deal.load.BoardChanged()) {
        TellNotDealt(app, deal);
        return false;
    }
    if (deal.load.CandidatesReplaced()) app.options.ShowCandidates = false;
    ShowGivenCount(app.display);
    return true;
}

void StartClock(App& app) {
    ClockState& clock = app.clock;
    clock.ClockRunning = true;
    clock.StartTime = platform::Timer();
    clock.BoardSolved = false;
    clock.SolveTime = "X";
    UpdateClock(app.display);
}

}  // namespace

void NewGame(App& app) {
    if (!DealBoard(app)) return;
    StartClock(app);
    ShuffleBoard(app.board, app.random, app.options.SymmetricPuzzle);
    app.board.SetAllMarks(false);
    PlayLoop(app);
}

void PrintNewGame(App& app) {
    if (!DealBoard(app)) return;
    ShuffleBoard(app.board, app.random, app.options.SymmetricPuzzle);
    RedrawCells(app.display);
    PrintBoard(app.display);
    PlayLoop(app);
}

}  // namespace drz
