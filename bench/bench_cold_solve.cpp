// A cold `drz solve`: one process that loads a minimal 909-cell board, solves it and saves it, counted in
// instructions from its start (callgrind) against the literal solver on the same board. The link tables of
// the solver are built by the compiler, so the cold solve pays only for the process, the files and the
// solve itself. Also the wall time of the whole process and the warm in-process solve for comparison.
// The puzzle comes from data/puzzles ($DRZ_PUZZLE_DIR, else found going up from the working folder).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/solver.h"
#include "oracle/literal_solver.h"
#include "oracle/puzzle_files.h"
#include "storage/board_file.h"
#include "support/child_process.h"

namespace {

namespace fs = std::filesystem;
using drz::Board;

constexpr const char* kPuzzle = "minimal_1.txt";
constexpr const char* kLiteralRun = "LiteralSolveCommand/minimal_1.txt";

// A folder of its own holding the puzzle as slot 0 of a board file; removed at exit.
struct Workplace {
    fs::path folder;
    fs::path board;
    Workplace() {
        std::string pattern = (fs::temp_directory_path() / "drz-cold-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        folder = pattern;
        board = folder / "puzzle.drz";
        // The literal run below starts in the folder too: it must find the puzzles from there.
        ::setenv("DRZ_PUZZLE_DIR", fs::absolute(drz::oracle::PuzzleFolder()).c_str(), 0);
        drz::RandomSource random(1);
        if (!drz::SaveBoardSlot(drz::oracle::LoadPuzzle(kPuzzle), board, 0, random).saved) std::abort();
    }
    ~Workplace() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    std::vector<std::string> SolveCall() const { return {DRZ_TOOL, "solve", board.string(), "0", "solved.drz"}; }
};

const Workplace& Place() {
    static const Workplace place;
    return place;
}

void LiteralSolveCommand(benchmark::State& state) {
    const Board puzzle = drz::oracle::LoadPuzzle(kPuzzle);
    auto board = std::make_unique<Board>();
    drz::SolveHooks quiet;
    for (auto _ : state) {
        *board = puzzle;
        benchmark::DoNotOptimize(drz::oracle::LiteralSolveCommand(*board, quiet).Solved());
    }
}

void WarmSolveCommand(benchmark::State& state) {
    const Board puzzle = drz::oracle::LoadPuzzle(kPuzzle);
    auto board = std::make_unique<Board>();
    drz::SolveHooks quiet;
    for (auto _ : state) {
        *board = puzzle;
        benchmark::DoNotOptimize(drz::SolveCommand(*board, quiet).Solved());
    }
}

void ColdSolveProcess(benchmark::State& state) {
    for (auto _ : state)
        if (drz::bench::RunQuiet(Place().SolveCall(), Place().folder) != 0) state.SkipWithError("drz solve failed");
}

// Both counts from process start: drz solve, and this program running only the literal benchmark once.
void ColdSolveInstructions(benchmark::State& state) {
    std::optional<std::uint64_t> cold, literal;
    for (auto _ : state) {
        cold = drz::bench::CountInstructions(Place().SolveCall(), Place().folder);
        literal = drz::bench::CountInstructions(
            {fs::read_symlink("/proc/self/exe").string(), std::string("--benchmark_filter=^") + kLiteralRun + "/"},
            Place().folder);
    }
    if (!cold || !literal) {
        state.SkipWithError("valgrind (callgrind) missing or a run failed");
        return;
    }
    state.counters["cold_drz_instructions"] = static_cast<double>(*cold);
    state.counters["literal_instructions"] = static_cast<double>(*literal);
    state.counters["literal_per_cold"] = static_cast<double>(*literal) / static_cast<double>(*cold);
}

const bool kRegistered = [] {
    try {
        Place();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return false;
    }
    benchmark::RegisterBenchmark(kLiteralRun, LiteralSolveCommand)->Unit(benchmark::kMillisecond)->Iterations(1);
    benchmark::RegisterBenchmark("WarmSolveCommand/minimal_1.txt", WarmSolveCommand)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ColdSolveProcess/minimal_1.txt", ColdSolveProcess)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ColdSolveInstructions/minimal_1.txt", ColdSolveInstructions)
        ->Unit(benchmark::kSecond)
        ->Iterations(1);
    return true;
}();

}  // namespace
