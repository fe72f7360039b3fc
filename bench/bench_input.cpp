// What a player waits for at the board (offscreen): a click until the pad is on the screen, a hover change,
// a digit applied with counts, status and candidate marks, and the whole-board redraw with candidates.
#include <benchmark/benchmark.h>

#include <memory>

#include "board/board.h"
#include "display/board_view.h"
#include "display/cell_geometry.h"
#include "display/display.h"
#include "display/panels.h"
#include "input/hit_test.h"
#include "input/picker_pad.h"
#include "oracle/puzzle_files.h"
#include "platform/window.h"
#include "support/board_scene.h"
#include "support/offscreen_main.h"

namespace drz {
namespace {

using Scene = bench::BoardScene;

// Made at the first benchmark, dropped in main while the toolkit is still there.
std::unique_ptr<Scene> theScene;
Scene& TheScene() {
    if (!theScene) theScene = std::make_unique<Scene>(true);
    return *theScene;
}

void BM_ClickUntilPadShown(benchmark::State& state) {
    Scene& s = TheScene();
    const int px = CellLeft(7, s.cx) + 5, py = CellTop(7, s.cy) + 5;
    for (auto _ : state) {
        s.window.PostInput({platform::kLeftButtonDown, 1, px, py});
        const platform::InputEvent click = s.window.WaitEvent();
        const std::optional<CellHit> hit = HitTest(click.x, click.y);
        DrawPickerPad(s.d, s.in, {hit->grid, hit->column, hit->row});
        state.PauseTiming();
        s.window.Screen().Restore(s.in.SavedBackground, CellLeft(7, s.cx) - 8, CellTop(7, s.cy) - 8);
        s.in.BackgroundSaved = false;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClickUntilPadShown)->Unit(benchmark::kMicrosecond);

void BM_HoverChange(benchmark::State& state) {
    Scene& s = TheScene();
    s.in.PadCell = {7, s.cx, s.cy};
    const PadCorner corner = PadCornerOf(s.in.PadCell);
    DrawPickerPad(s.d, s.in, s.in.PadCell);
    s.in.PickerActive = true;
    int n = 0;
    for (auto _ : state) {
        n = (n + 4) % 9;  // a different square every time
        PointerMoved(s.d, s.in, corner.left + 15 * (n % 3) + 7, corner.top + 15 * (n / 3) + 7);
    }
    s.in.PickerActive = false;
    s.window.Screen().Restore(s.in.SavedBackground, corner.left, corner.top);
    s.in.BackgroundSaved = false;
}
BENCHMARK(BM_HoverChange)->Unit(benchmark::kMicrosecond);

void BM_DigitApplied(benchmark::State& state) {
    Scene& s = TheScene();
    const CellRef cell{7, s.cx, s.cy};
    int digit = 1;
    for (auto _ : state) {
        digit = digit % 9 + 1;
        bench::EnterThroughPad(s, cell, digit);
    }
}
BENCHMARK(BM_DigitApplied)->Unit(benchmark::kMicrosecond);

void BM_RedrawCellsWithCandidates(benchmark::State& state) {
    Scene& s = TheScene();
    for (auto _ : state) RedrawCells(s.d, Refresh(s.board, CandidateRule(s.options)).verdict);
}
BENCHMARK(BM_RedrawCellsWithCandidates)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace drz

int main(int argc, char** argv) {
    return drz::bench::RunOffscreenBenchmarks(argc, argv, [] { drz::theScene.reset(); });
}
