// What a player waits for after Ctrl+Z, Ctrl+Y and F3 deep in a long game with candidates shown (offscreen):
// the step written back from the history, drawn where it changed the board, with counts, status and marks.
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>

#include "engine/solver.h"
#include "game/app.h"
#include "game/game_loops.h"
#include "game/history_keys.h"
#include "game/start_up.h"
#include "game/step_view.h"
#include "oracle/puzzle_files.h"
#include "support/offscreen_main.h"

namespace drz {
namespace {

constexpr int kF3 = 114;

// Half of the puzzle's open cells filled from its solution, shared cells among them: every seventh after a
// wrong digit, every eleventh cleared and entered again; a checkpoint after the first forty cells. The last
// step is a wrong digit, so its undo brings back every mark it had wiped out.
struct LongGame {
    LongGame() {
        app.window.Open(0, 0, 1478, 963);
        app.window.CreateClockLabel(1235, 831, 160, 30, kClockIdleText, "Arial", 24, {255, 255, 255});
        app.board = oracle::LoadPuzzle("singles-1.txt");
        DrawStartScreen(app);
        Board solved = app.board;
        SolveHooks quiet;
        SolveBoard(solved, quiet);
        ToggleCandidates(app);
        int n = 0;
        for (int k = 1; k <= kGridCount; ++k)
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) {
                    const auto partner = PartnerCell(k, x, y);
                    if (app.board.Cell(k, x, y) != 0 || (partner && partner->k < k) || last) continue;
                    if (n == 300) {
                        last = CellRef{k, x, y};
                        continue;
                    }
                    const int digit = solved.Cell(k, x, y);
                    if (++n % 7 == 0) Enter({k, x, y}, digit % 9 + 1);
                    Enter({k, x, y}, digit);
                    if (n % 11 == 0) Enter({k, x, y}, 0), Enter({k, x, y}, digit);
                    if (n == 40) SetCheckpoint(app.board, app.history, app.options.ShowCandidates);
                }
        Enter(*last, solved.Cell(last->k, last->x, last->y) % 9 + 1);
    }
    std::optional<CellRef> last;  // an open cell
    void Enter(CellRef cell, int digit) {
        const Candidates rule = CandidateRule(app.options);
        ShowCellStep(app, digit ? EnterDigit(app.board, cell, digit, rule) : ClearCell(app.board, cell, rule), true);
    }
    void Key(int key, int modifiers = 0) { HistoryKey(app, GameLoop::Play, {platform::kKeyUp, key, 0, 0, modifiers}); }
    void Undo() { Key('Z', platform::kControlHeld); }
    void Redo() { Key('Y', platform::kControlHeld); }

    App app;
};

// Made at the first benchmark, dropped in main while the toolkit is still there.
std::unique_ptr<LongGame> theGame;
LongGame& TheGame(benchmark::State& state) {
    if (!theGame) theGame = std::make_unique<LongGame>();
    state.counters["steps"] = double(theGame->app.history.steps.size());
    return *theGame;
}

// Times `timed`, then puts the board back by `untimed` outside the clock.
template <typename Timed, typename Untimed>
void Alternate(benchmark::State& state, Timed timed, Untimed untimed) {
    for (auto _ : state) {
        timed();
        state.PauseTiming();
        untimed();
        state.ResumeTiming();
    }
}

void BM_Undo(benchmark::State& state) {
    LongGame& g = TheGame(state);
    Alternate(
        state, [&] { g.Undo(); }, [&] { g.Redo(); });
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);

void BM_Redo(benchmark::State& state) {
    LongGame& g = TheGame(state);
    g.Undo();
    Alternate(
        state, [&] { g.Redo(); }, [&] { g.Undo(); });
    g.Redo();
}
BENCHMARK(BM_Redo)->Unit(benchmark::kMillisecond);

// Back over some three hundred steps to the checkpoint; the return is undone outside the clock.
void BM_ReturnToCheckpoint(benchmark::State& state) {
    LongGame& g = TheGame(state);
    Alternate(
        state, [&] { g.Key(kF3); }, [&] { g.Undo(); });
}
BENCHMARK(BM_ReturnToCheckpoint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drz

int main(int argc, char** argv) {
    return drz::bench::RunOffscreenBenchmarks(argc, argv, [] { drz::theGame.reset(); });
}
