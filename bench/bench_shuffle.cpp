// ShuffleBoard on a full board and on a puzzle, symmetric and independent.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/random.h"
#include "engine/shuffle.h"
#include "oracle/board_factory.h"

namespace {

void Shuffle(benchmark::State& state, bool symmetric, double fill) {
    drz::oracle::Rng rng(1);
    const auto puzzle = std::make_unique<drz::Board>(drz::oracle::RandomPartialBoard(rng, fill));
    auto board = std::make_unique<drz::Board>(*puzzle);
    drz::RandomSource random(7);
    for (auto _ : state) {
        drz::ShuffleBoard(*board, random, symmetric);
        benchmark::DoNotOptimize(board->CellValue.data());
    }
}

void ShuffleSymmetricFull(benchmark::State& state) { Shuffle(state, true, 1.0); }
void ShuffleIndependentFull(benchmark::State& state) { Shuffle(state, false, 1.0); }
void ShuffleSymmetricPuzzle(benchmark::State& state) { Shuffle(state, true, 0.25); }

BENCHMARK(ShuffleSymmetricFull)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShuffleIndependentFull)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShuffleSymmetricPuzzle)->Unit(benchmark::kMicrosecond);

}  // namespace
