// Start-up with a stored game in progress: the question, the game brought back as it was, or the file set aside.
#include "display/board_view.h"
#include "display/clock.h"
#include "display/panels.h"
#include "game/autosave.h"
#include "game/menu_bar.h"
#include "game/menu_commands.h"
#include "platform/timing.h"

namespace drz {

namespace {

// Kept as it is under another name, so nothing of it is lost; this run starts without a stored game.
void SetAside(App& app) {
    const std::string file = std::string("\"") + kGameFile + "\"";
    const std::string damaged =
        "Der gespeicherte Spielstand " + file + " ist beschädigt oder stammt nicht von diesem Spiel.";
    if (const std::optional<std::filesystem::path> copy = SetGameFileAside(app.autosave.file)) {
        TellAboutStoredGame(app, damaged + "\nEr wurde als \"" + copy->filename().string() + "\" beiseitegelegt.");
        return;
    }
    app.autosave.writer.reset();  // it cannot be moved: this run leaves it as it is
    app.autosave.told = true;
    TellAboutStoredGame(
        app,
        damaged +
            "\nEr lässt sich nicht umbenennen und bleibt, wie er ist; dieses Spiel wird nicht fortlaufend gesichert.");
}

// The board, the options, the history and the clock as stored, drawn; then the loop it was played in.
void Resume(App& app, StoredGame game) {
    app.board = game.board;
    app.options.CurrentLevel = game.level;
    app.options.ShowNumerals = game.numerals;
    app.options.ShowCandidates = game.candidatesShown;
    app.history = std::move(game.history);
    ClockState& clock = app.clock;
    clock.BoardSolved = false;
    clock.ClockRunning = game.timed;
    if (game.timed) {
        clock.StartTime = platform::Timer() - game.elapsed;  // the clock goes on from the stored time
        clock.SolveTime = "X";
    }
    UpdateMenuChecks(app.window, app.options);
    ShowGivenCount(app.display);
    RedrawCells(app.display, VerdictOf(app.board));
    UpdateClock(app.display);
    RunMenuCommand(app, game.loop == StoredLoop::Play ? kMenuStartGame : kMenuOwnBoard);
}

}  // namespace

void OfferStoredGame(App& app) {
    AutosaveState& a = app.autosave;
    std::error_code ec;
    a.file = std::filesystem::absolute(kGameFile, ec);
    a.hold = std::make_unique<GameFileHold>(a.file);
    if (a.hold->state() != GameFileHold::State::Held) return;  // told once a write would have come
    a.writer = std::make_unique<GameFileWriter>(a.file);
    const GameFileText file = ReadGameFile(a.file);
    if (file.status == GameFileText::Status::Missing) return;
    std::optional<StoredGame> game =
        file.status == GameFileText::Status::Read ? ReadStoredGame(file.text) : std::nullopt;
    if (!game) return SetAside(app);
    const platform::MessageButton answer = app.window.MessageBox(
        platform::MessageIcon::Question, "Letztes Spiel fortsetzen?", {"&JA", "&NEIN"}, platform::MessageButton::First);
    if (answer != platform::MessageButton::First) {
        a.keepStored = true;
        return;
    }
    Resume(app, std::move(*game));
}

}  // namespace drz
