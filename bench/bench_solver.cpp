// The forced-step solver against the literal one on the committed puzzles, and one pass on an empty board.
// The puzzles are read from data/puzzles ($DRZ_PUZZLE_DIR, else found going up from the working folder).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/solver.h"
#include "oracle/literal_solver.h"
#include "oracle/puzzle_files.h"

namespace {

using drz::Board;

const char* const kSinglesPuzzles[] = {"singles-1.txt", "singles-2.txt", "singles-3.txt", "singles-6.txt",
                                       "singles-20.txt"};
const char* const kUnfinishedPuzzles[] = {"long-5.txt", "long-8.txt", "long-12.txt", "stalled-21.txt"};

template <typename Solve>
void SolvePuzzle(benchmark::State& state, const Board& puzzle, Solve solve) {
    auto board = std::make_unique<Board>();
    drz::SolveHooks quiet;
    drz::SolveResult result;
    for (auto _ : state) {
        *board = puzzle;
        result = solve(*board, quiet);
        benchmark::DoNotOptimize(board->CellValue.data());
    }
    state.counters["passes"] = result.passes;
    state.counters["placements"] = result.placements;
    state.counters["solved"] = result.solved ? 1 : 0;
}

void RegisterPuzzle(const std::string& name) {
    auto puzzle = std::make_shared<Board>(drz::oracle::LoadPuzzle(name));
    benchmark::RegisterBenchmark(("SolveBoard/fast/" + name).c_str(), [puzzle](benchmark::State& state) {
        SolvePuzzle(state, *puzzle, [](Board& b, drz::SolveHooks& h) { return drz::SolveBoard(b, h); });
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("SolveBoard/literal/" + name).c_str(),
                                 [puzzle](benchmark::State& state) {
                                     SolvePuzzle(state, *puzzle, [](Board& b, drz::SolveHooks& h) {
                                         return drz::oracle::LiteralSolveBoard(b, h);
                                     });
                                 })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2);
}

void OnePassOnEmptyBoard(benchmark::State& state, bool literal) {
    const auto empty = std::make_unique<Board>();
    SolvePuzzle(state, *empty, [literal](Board& b, drz::SolveHooks& h) {
        return literal ? drz::oracle::LiteralForcedPasses(b, h, 1) : drz::ForcedPasses(b, h, 1);
    });
}

// Registered before benchmark_main's main runs; a missing puzzle folder is reported and leaves the
// empty-board benchmarks.
const bool kRegistered = [] {
    try {
        for (const char* name : kSinglesPuzzles) RegisterPuzzle(name);
        for (const char* name : kUnfinishedPuzzles) RegisterPuzzle(name);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
    }
    benchmark::RegisterBenchmark("EmptyBoardOnePass/fast", OnePassOnEmptyBoard, false)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("EmptyBoardOnePass/literal", OnePassOnEmptyBoard, true)->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
