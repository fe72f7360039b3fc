// Level generation: the time to make one board of each level, each repetition from its own seed; the
// median over the repetitions is the figure to watch (goal: under one second per board). It includes the
// check of every board against the deal set (generator_deals.h); the probes of that set, made once per
// process (about 0.2 s), are made before the first timing.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "engine/generator.h"
#include "engine/generator_deals.h"

namespace {

void GenerateOneBoard(benchmark::State& state) {
    const drz::LevelBand& band = drz::kLevelBands[static_cast<std::size_t>(state.range(0))];
    static std::uint64_t nextSeed = 1;
    static const bool probed = drz::CheckDeals(drz::Board{}, true).shuffled == 1;
    benchmark::DoNotOptimize(probed);
    drz::GeneratedBoard board;
    for (auto _ : state) {
        drz::RandomSource random(nextSeed++);
        board = drz::GenerateBoard(band, random);
        benchmark::DoNotOptimize(board.givens);
    }
    state.SetLabel(std::string(band.name));
    state.counters["givens"] = board.givens;
    state.counters["passes"] = board.passes;
    state.counters["dealPasses"] = board.dealPasses;
    state.counters["attempts"] = board.attempts;
}

BENCHMARK(GenerateOneBoard)
    ->DenseRange(0, 3)
    ->Iterations(1)
    ->Repetitions(15)
    ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
