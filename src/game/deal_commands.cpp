// Dealing a level board for a new game or a printed one. A level file that is missing or damaged deals
// nothing: the player is told which file, and no game starts.
#include "game/deal_commands.h"

#include <filesystem>

#include "display/clock.h"
#include "display/panels.h"
#include "game/game_loops.h"
#include "game/step_view.h"
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

// The level board, shuffled, with the level panel updated; none when nothing could be dealt.
std::optional<EditStep> DealBoard(App& app) {
    app.clock.ClockRunning = false;
    DealStep dealt =
        Deal(app.board, app.options.CurrentLevel, app.random, app.options.SymmetricPuzzle, CandidateRule(app.options));
    app.options.BoardFile = dealt.deal.file.string();
    if (!dealt.deal.load.BoardChanged()) {
        TellNotDealt(app, dealt.deal);
        return std::nullopt;
    }
    if (dealt.deal.load.CandidatesReplaced()) app.options.ShowCandidates = false;
    StartHistory(app.history);
    ShowGivenCount(app.display);
    return std::move(dealt.step);
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
    PlayLoop(app);
}

void PrintNewGame(App& app) {
    const std::optional<EditStep> dealt = DealBoard(app);
    if (!dealt) return;
    ShowBoardStep(app, *dealt);
    PrintBoard(app.display);
    PlayLoop(app);
}

}  // namespace drz
