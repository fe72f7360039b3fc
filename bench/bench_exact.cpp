// The exact search: uniqueness proofs of the sixteen shipped level boards and of the committed minimal
// puzzles. Files are read from data/ and data/puzzles ($DRZ_PUZZLE_DIR, else found going up from the
// working folder).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "engine/exact_search.h"
#include "oracle/puzzle_files.h"
#include "storage/board_file.h"

namespace {

using drz::Board;

const char* const kLevelFiles[] = {"leicht.drz", "mittel.drz", "schwer.drz", "extrem.drz"};
const char* const kMinimalPuzzles[] = {"minimal_1.txt", "minimal_2.txt", "minimal_3.txt", "minimal_4.txt",
                                       "minimal_5.txt"};

void ProveUnique(benchmark::State& state, const Board& board) {
    drz::ExactResult result;
    for (auto _ : state) {
        result = drz::CountSolutions(board);
        benchmark::DoNotOptimize(result.solutions);
    }
    state.counters["solutions"] = result.solutions;
    state.counters["nodes"] = static_cast<double>(result.nodes);
    state.counters["branches"] = static_cast<double>(result.branches);
    if (result.Count() != drz::SolutionCount::One) state.SkipWithError("not proved unique");
}

void RegisterLevelFile(const std::filesystem::path& folder, const char* file) {
    for (int slot = 0; slot < 4; ++slot) {
        auto board = std::make_shared<Board>();
        if (!drz::LoadBoardSlot(*board, folder / file, slot).BoardChanged())
            throw std::runtime_error(std::string("cannot load ") + file);
        benchmark::RegisterBenchmark(("Unique/" + std::string(file) + "/" + std::to_string(slot)).c_str(),
                                     [board](benchmark::State& state) { ProveUnique(state, *board); })
            ->Unit(benchmark::kMicrosecond);
    }
}

void RegisterMinimal(const char* name) {
    auto board = std::make_shared<Board>(drz::oracle::LoadPuzzle(name));
    benchmark::RegisterBenchmark(("Minimal/" + std::string(name)).c_str(), [board](benchmark::State& state) {
        ProveUnique(state, *board);
    })->Unit(benchmark::kMillisecond);
}

// Registered before benchmark_main's main runs; missing files are reported and leave the others.
const bool kRegistered = [] {
    try {
        const std::filesystem::path data = drz::oracle::PuzzleFolder().parent_path();
        for (const char* file : kLevelFiles) RegisterLevelFile(data, file);
        for (const char* name : kMinimalPuzzles) RegisterMinimal(name);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
    }
    return true;
}();

}  // namespace
