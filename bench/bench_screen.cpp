// The screen at the device's resolution (offscreen), at 1x and at 2x device pixels: a digit applied through the
// pad and drawn with counts, status and candidate marks; the whole board drawn again; the picture made anew at a
// new scale from its drawing list; a pause and its end. Counters give the memory of the pictures.
#include <benchmark/benchmark.h>

#include <memory>

#include "board/board.h"
#include "display/board_cover.h"
#include "display/board_view.h"
#include "display/display.h"
#include "display/panels.h"
#include "input/picker_pad.h"
#include "oracle/puzzle_files.h"
#include "platform/canvas_impl.h"
#include "platform/window.h"
#include "support/board_scene.h"
#include "support/offscreen_main.h"

namespace drz {
namespace {

using Scene = bench::BoardScene;

std::unique_ptr<Scene> theScene;
Scene& TheScene(double scale) {
    if (!theScene) theScene = std::make_unique<Scene>(false);
    theScene->window.Screen().SetDeviceScale(scale);
    return *theScene;
}

double ScaleOf(const benchmark::State& state) { return state.range(0) / 100.0; }

void Memory(benchmark::State& state, const platform::Canvas& screen) {
    const platform::Canvas::Impl& c = const_cast<platform::Canvas&>(screen).impl();
    state.counters["picture_1x_MB"] = double(c.image.sizeInBytes()) / (1 << 20);
    state.counters["picture_device_MB"] = double(c.device.Image().sizeInBytes()) / (1 << 20);
    state.counters["list_ops"] = double(c.list.Ops().size());
    state.counters["list_MB"] = double(c.list.Ops().capacity() * sizeof(platform::DrawOp)) / (1 << 20);
}

void BM_DigitApplied(benchmark::State& state) {
    Scene& s = TheScene(ScaleOf(state));
    const CellRef cell{7, s.cx, s.cy};
    int digit = 1;
    for (auto _ : state) {
        digit = digit % 9 + 1;
        bench::EnterThroughPad(s, cell, digit);
    }
    Memory(state, s.window.Screen());
}
BENCHMARK(BM_DigitApplied)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_FullRedraw(benchmark::State& state) {
    Scene& s = TheScene(ScaleOf(state));
    for (auto _ : state) {
        const Verdict verdict = Refresh(s.board, CandidateRule(s.options)).verdict;
        DrawBoard(s.d, verdict);
        RedrawCells(s.d, verdict);
    }
    Memory(state, s.window.Screen());
}
BENCHMARK(BM_FullRedraw)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// P in a timed game and P again: the board saved and covered, then put back with the help panel.
void BM_PauseAndContinue(benchmark::State& state) {
    Scene& s = TheScene(ScaleOf(state));
    for (auto _ : state) UncoverBoard(s.d, CoverBoard(s.d, "Pause"));
    Memory(state, s.window.Screen());
}
BENCHMARK(BM_PauseAndContinue)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// Maximising or moving to another screen: the device picture made anew from the list.
void BM_NewScale(benchmark::State& state) {
    Scene& s = TheScene(ScaleOf(state));
    bool other = false;
    for (auto _ : state) {
        other = !other;
        s.window.Screen().SetDeviceScale(ScaleOf(state) * (other ? 0.95 : 1.0));
    }
    Memory(state, s.window.Screen());
}
BENCHMARK(BM_NewScale)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drz

int main(int argc, char** argv) {
    return drz::bench::RunOffscreenBenchmarks(argc, argv, [] { drz::theScene.reset(); });
}
