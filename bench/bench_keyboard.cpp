// Keyboard play on a nearly full board late in a long game (offscreen, at 1x and 2x device pixels): the cursor
// moved with the same-digit highlight following it, the highlight on and off, a hint found, explained, drawn and
// taken away. Each is what one key costs the player; the budget is one frame, 16 ms.
#include <benchmark/benchmark.h>

#include <memory>

#include "display/hint_marks.h"
#include "display/keyboard_marks.h"
#include "engine/hint.h"
#include "engine/solver.h"
#include "game/hint_text.h"
#include "input/cursor_moves.h"
#include "support/board_scene.h"
#include "support/offscreen_main.h"

namespace drz {
namespace {

// Steps drawn before the measurement, so the picture's drawing list is that of a long game.
constexpr int kLongGameSteps = 4000;

struct LongGame : bench::BoardScene {
    LongGame() : BoardScene(false) {
        solution = board;
        SolveHooks quiet;
        SolveBoard(solution, quiet);
        int n = 0;
        for (int step = 0; step < kLongGameSteps; ++step) {  // entries made, some taken back
            const std::optional<CellRef> c = LatticeCell(step * 7 % 33, step * 13 % 33);
            if (!c || board.Given(c->k, c->x, c->y) != 0) continue;
            const int digit = solution.Cell(c->k, c->x, c->y);
            const bool clear = board.Cell(c->k, c->x, c->y) != 0 && ++n % 3 == 0;
            DrawStepCells(d, clear ? ClearCell(board, *c, CandidateRule(options))
                                   : EnterDigit(board, *c, digit, CandidateRule(options)));
        }
        options.ShowCandidates = false;
        for (int row = 0; row < 33; ++row)  // every cell but a few in each row
            for (int column = 3; column < 33; ++column)
                if (const std::optional<CellRef> c = LatticeCell(column, row); c && board.Cell(c->k, c->x, c->y) == 0)
                    DrawStepCells(d, EnterDigit(board, *c, solution.Cell(c->k, c->x, c->y), CandidateRule(options)));
    }
    Board solution;
};

std::unique_ptr<LongGame> theGame;
LongGame& TheGame(const benchmark::State& state) {
    if (!theGame) theGame = std::make_unique<LongGame>();
    theGame->window.Screen().SetDeviceScale(state.range(0) / 100.0);
    return *theGame;
}

void BM_CursorMoveWithHighlight(benchmark::State& state) {
    LongGame& g = TheGame(state);
    CellRef cursor{7, 1, 1};
    std::vector<CoveredFace> covered;
    for (auto _ : state) {
        EraseKeyboardMarks(g.d, covered);
        const CellRef moved = MovedCursor(g.board, cursor, CursorMove::Right);  // along the rows, then down
        cursor = moved == cursor
                     ? MovedCursor(g.board, MovedCursor(g.board, cursor, CursorMove::Down), CursorMove::RowStart)
                     : moved;
        DrawDigitHighlight(g.d, g.board.Cell(cursor.k, cursor.x, cursor.y), covered);
        DrawCursorFrame(g.d, cursor, covered);
    }
    EraseKeyboardMarks(g.d, covered);
}
BENCHMARK(BM_CursorMoveWithHighlight)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// G on: every cell of the digit; G off: all of them put back. Each is one key.
void BM_Highlight(benchmark::State& state) {
    LongGame& g = TheGame(state);
    const bool on = state.range(1) != 0;
    std::vector<CoveredFace> covered;
    int digit = 0;
    for (auto _ : state) {
        if (!on) state.PauseTiming();
        DrawDigitHighlight(g.d, ++digit % 9 + 1, covered);
        if (!on) state.ResumeTiming();
        if (on) state.PauseTiming();
        EraseKeyboardMarks(g.d, covered);
        if (on) state.ResumeTiming();
    }
    state.counters["cells"] = kCellsPerDigit;
}
BENCHMARK(BM_Highlight)->ArgsProduct({{100, 200}, {1, 0}})->ArgNames({"scale", "on"})->Unit(benchmark::kMillisecond);

// The board's hint is a forced step; finding it solves the givens first, to know wrong entries.
void BM_HintShownAndTakenAway(benchmark::State& state) {
    LongGame& g = TheGame(state);
    std::vector<CoveredArea> covered;
    for (auto _ : state) {
        const Hint hint = FindHint(g.board);
        DrawHintOutlines(g.d, hint, covered);
        DrawHintSentence(g.d, HintSentence(hint, true), covered);
        EraseHint(g.d, covered);
    }
    state.counters["forced_step"] = FindHint(g.board).kind >= HintKind::NakedSingle ? 1 : 0;
}
BENCHMARK(BM_HintShownAndTakenAway)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drz

int main(int argc, char** argv) {
    return drz::bench::RunOffscreenBenchmarks(argc, argv, [] { drz::theGame.reset(); });
}
