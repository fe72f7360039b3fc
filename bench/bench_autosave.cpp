// The autosave of a long game (900 steps, 5 checkpoints): what the user-interface thread does per change (the
// snapshot handed to the writer, as the game loop's hook does it), and the writer's own work — the text, the
// whole replacement of the file with its sync — and the read at start-up.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "model/stored_game.h"
#include "model/verdict.h"
#include "oracle/puzzle_files.h"
#include "storage/game_file.h"
#include "storage/game_file_writer.h"
#include "support/temp_folder.h"

namespace drz {
namespace {

namespace fs = std::filesystem;

// Digits in, marks flipped and digits cleared over the holes of a board until 900 steps are recorded, a
// checkpoint every 180 of them.
StoredGame LongGame() {
    StoredGame game;
    game.board = oracle::LoadPuzzle("singles-1.txt");
    std::vector<CellRef> holes;
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (game.board.Cell(k, x, y) == 0) holes.push_back({k, x, y});
    std::mt19937 random(5);
    for (int n = 0; game.history.steps.size() < 900; ++n) {
        const CellRef c = holes[random() % holes.size()];
        const EditStep step = n % 3 == 0   ? ToggleMark(game.board, c, 1 + n % 9, Candidates::AsMarked)
                              : n % 3 == 1 ? EnterDigit(game.board, c, 1 + n % 9, Candidates::AsMarked)
                                           : ClearCell(game.board, c, Candidates::AsMarked);
        RecordStep(game.history, step, false, false);
        if (game.history.steps.size() == 180 * (game.history.checkpoints.size() + 1))
            SetCheckpoint(game.board, game.history, false);
    }
    game.timed = true;
    game.elapsed = 3 * 3600.0;
    return game;
}

const StoredGame& TheGame() {
    static const StoredGame game = LongGame();
    return game;
}

using Folder = test::TempFolder;

// The user-interface thread's share: the snapshot of board and history, the verdict, the hand-over.
void BM_UiThreadShare(benchmark::State& state) {
    const StoredGame& game = TheGame();
    Folder folder;
    GameFileWriter writer(folder.path / kGameFile);
    for (auto _ : state) {
        auto snapshot = std::make_shared<StoredGame>(game);
        const bool solved = VerdictOf(snapshot->board).solved;
        std::shared_ptr<const StoredGame> handed = std::move(snapshot);
        writer.Submit(
            [handed, solved]() -> std::optional<std::string> {
                if (solved) return std::nullopt;
                return StoredGameText(*handed);
            },
            true, false);
    }
    state.counters["steps"] = static_cast<double>(game.history.steps.size());
    state.counters["checkpoints"] = static_cast<double>(game.history.checkpoints.size());
}
BENCHMARK(BM_UiThreadShare)->Unit(benchmark::kMicrosecond);

void BM_WriterText(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) bytes = StoredGameText(TheGame()).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriterText)->Unit(benchmark::kMillisecond);

// On the writer's thread: the text and the file replaced whole (temporary file, sync, rename).
void BM_WriterWholeWrite(benchmark::State& state) {
    Folder folder;
    for (auto _ : state) benchmark::DoNotOptimize(WriteGameFile(folder.path / kGameFile, StoredGameText(TheGame())));
}
BENCHMARK(BM_WriterWholeWrite)->Unit(benchmark::kMillisecond);

void BM_ReadAtStartUp(benchmark::State& state) {
    const std::string text = StoredGameText(TheGame());
    for (auto _ : state) benchmark::DoNotOptimize(ReadStoredGame(text));
}
BENCHMARK(BM_ReadAtStartUp)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drz
