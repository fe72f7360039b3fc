// Keeping the game in progress: the game loops hand every change to the writer thread as a snapshot; the
// writer makes the text and replaces the file, so input never waits for the disk.
#include "game/autosave.h"

#include <algorithm>

#include "platform/timing.h"

namespace drz {

namespace {

StoredLoop LoopOf(GameLoop loop) { return loop == GameLoop::Play ? StoredLoop::Play : StoredLoop::OwnBoard; }

bool BoardEmpty(const Board& board) {
    const auto zero = [](auto v) { return !v; };
    return std::all_of(board.CellValue.begin(), board.CellValue.end(), zero) &&
           std::all_of(board.GivenValue.begin(), board.GivenValue.end(), zero) &&
           std::all_of(board.CandidateMark.begin(), board.CandidateMark.end(), zero);
}

// Nothing the player did since the snapshot (the clock's time is written anew by the writer).
bool Unchanged(const StoredGame& game, const App& app, StoredLoop loop) {
    const History& h = app.history;
    const Board& b = app.board;
    return game.loop == loop && game.level == app.options.CurrentLevel && game.numerals == app.options.ShowNumerals &&
           game.candidatesShown == app.options.ShowCandidates && game.timed == app.clock.ClockRunning &&
           game.history.steps.size() == h.steps.size() && game.history.done == h.done &&
           game.history.checkpoints.size() == h.checkpoints.size() &&
           (h.steps.empty() || game.history.steps.back().changes.size() == h.steps.back().changes.size()) &&
           game.board.CellValue == b.CellValue && game.board.GivenValue == b.GivenValue &&
           game.board.CandidateMark == b.CandidateMark && game.board.CandidateImage == b.CandidateImage;
}

// The clock's time right now, paused or not.
double ClockTime(const ClockState& clock) { return std::max(0.0, ElapsedNow(clock)); }

std::shared_ptr<const StoredGame> Snapshot(const App& app, StoredLoop loop) {
    auto game = std::make_shared<StoredGame>();
    game->board = app.board;
    game->level = app.options.CurrentLevel;
    game->numerals = app.options.ShowNumerals;
    game->candidatesShown = app.options.ShowCandidates;
    game->timed = app.clock.ClockRunning;
    game->elapsed = game->timed ? ClockTime(app.clock) : 0.0;
    game->loop = loop;
    game->history = app.history;
    return game;
}

// The text of the snapshot, a timed game's time as the clock shows it when written; a solved or empty board is
// not kept (the file goes).
GameFileWriter::Content ContentOf(std::shared_ptr<const StoredGame> game, const ClockState& clock, bool over) {
    if (over) return [] { return std::optional<std::string>(); };
    return [game = std::move(game), &clock]() -> std::optional<std::string> {
        if (!game->timed || !clock.ClockRunning) return StoredGameText(*game);
        StoredGame now = *game;
        now.elapsed = ClockTime(clock);
        return StoredGameText(now);
    };
}

std::string NotKeptText(const AutosaveState& autosave) {
    const std::string file = std::string("\"") + kGameFile + "\"";
    const std::string reason =
        autosave.hold && autosave.hold->state() == GameFileHold::State::HeldElsewhere
            ? "Ein anderes Dreizehner-Spiel in diesem Ordner sichert schon seinen Spielstand in " + file + "."
            : "Der Spielstand kann in diesem Ordner nicht gesichert werden (" + file + " ist nicht zugänglich).";
    return reason + "\nDieses Spiel wird nicht fortlaufend gesichert.";
}

// Whether the game as it stands is kept: this run holds the file, and after "&NEIN" a new board has come (a
// deal, a load or own-board entry). Tells the player once when this run cannot keep its game.
bool Keeps(App& app, StoredLoop loop, bool tell) {
    AutosaveState& a = app.autosave;
    if (!a.hold) return false;  // never started (tests of other parts)
    if (!a.writer) {
        if (tell && !a.told && !BoardEmpty(app.board)) {
            a.told = true;
            TellAboutStoredGame(app, NotKeptText(a));
        }
        return false;
    }
    if (a.keepStored) {
        if (loop != StoredLoop::OwnBoard && BoardEmpty(app.board)) return false;
        a.keepStored = false;
    }
    return a.lastLoop || !BoardEmpty(app.board);  // an empty board before any loop: nothing to keep or remove
}

void HandOn(App& app, StoredLoop loop, bool atOnce) {
    AutosaveState& a = app.autosave;
    a.lastLoop = loop;
    a.handedOn = Snapshot(app, loop);
    const bool over = BoardEmpty(app.board) || VerdictOf(app.board).solved;  // nothing left to go on with
    a.writer->Submit(ContentOf(a.handedOn, app.clock, over), a.handedOn->timed && !over, atOnce);
}

void TellFailure(App& app) {
    if (const std::optional<std::string> failure = app.autosave.writer->TakeFailure())
        TellAboutStoredGame(
            app, std::string("Der Spielstand \"") + kGameFile + "\" kann nicht gesichert werden: " + *failure);
}

}  // namespace

void TellAboutStoredGame(App& app, const std::string& text) {
    app.window.MessageBox(platform::MessageIcon::None, text, {"OK"}, platform::MessageButton::First);
}

void KeepGameInProgress(App& app, GameLoop gameLoop) {
    AutosaveState& a = app.autosave;
    const StoredLoop loop = LoopOf(gameLoop);
    a.loop = loop;
    if (!Keeps(app, loop, true)) return;
    TellFailure(app);
    if (a.handedOn && Unchanged(*a.handedOn, app, loop)) return;
    HandOn(app, loop, false);
}

void KeepGameAtLoopEnd(App& app) {
    AutosaveState& a = app.autosave;
    const std::optional<StoredLoop> loop = a.loop;
    a.loop.reset();
    if (loop && Keeps(app, *loop, false)) HandOn(app, *loop, true);
}

void KeepGameAtExit(App& app) {
    AutosaveState& a = app.autosave;
    const std::optional<StoredLoop> loop = a.loop ? a.loop : a.lastLoop;
    if (!loop || !Keeps(app, *loop, false)) return;
    HandOn(app, *loop, true);
    a.writer->Flush();
}

}  // namespace drz
