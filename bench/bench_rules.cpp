// bench_rules.cpp — the rule test, dead cells and candidates: the fast operations against the literal ones.
#include <benchmark/benchmark.h>

#include "engine/rules.h"
#include "oracle/board_factory.h"
#include "oracle/literal_rules.h"

namespace {

using drz::Board;

// Fixed seeds, so every run measures the same boards.
Board HalfFilled() {
    drz::oracle::Rng rng(20240601);
    return drz::oracle::HalfFilledBoard(rng);
}

template <bool (*Test)(const Board&)>
void RunTest(benchmark::State& state, const Board& board) {
    for (auto _ : state) benchmark::DoNotOptimize(Test(board));
}

template <void (*Compute)(Board&)>
void RunCompute(benchmark::State& state, Board board) {
    for (auto _ : state) {
        Compute(board);
        benchmark::ClobberMemory();
    }
}

// A solved board: nothing repeats, so the whole board is read.
void BoardValidFast(benchmark::State& state) { RunTest<drz::BoardValid>(state, drz::oracle::FullBoard()); }
void BoardValidLiteral(benchmark::State& state) {
    RunTest<drz::oracle::LiteralBoardValid>(state, drz::oracle::FullBoard());
}

void CandidatesEmptyFast(benchmark::State& state) { RunCompute<drz::ComputeCandidates>(state, Board{}); }
void CandidatesEmptyLiteral(benchmark::State& state) {
    RunCompute<drz::oracle::LiteralComputeCandidates>(state, Board{});
}

void CandidatesHalfFast(benchmark::State& state) { RunCompute<drz::ComputeCandidates>(state, HalfFilled()); }
void CandidatesHalfLiteral(benchmark::State& state) {
    RunCompute<drz::oracle::LiteralComputeCandidates>(state, HalfFilled());
}

void NoDeadCellHalfFast(benchmark::State& state) { RunTest<drz::NoDeadCell>(state, HalfFilled()); }
void NoDeadCellHalfLiteral(benchmark::State& state) { RunTest<drz::oracle::LiteralNoDeadCell>(state, HalfFilled()); }

void NoDeadCellEmptyFast(benchmark::State& state) { RunTest<drz::NoDeadCell>(state, Board{}); }
void NoDeadCellEmptyLiteral(benchmark::State& state) { RunTest<drz::oracle::LiteralNoDeadCell>(state, Board{}); }

}  // namespace

BENCHMARK(BoardValidFast)->Name("BM_BoardValid_Full/fast");
BENCHMARK(BoardValidLiteral)->Name("BM_BoardValid_Full/literal");
BENCHMARK(CandidatesEmptyFast)->Name("BM_ComputeCandidates_Empty/fast");
BENCHMARK(CandidatesEmptyLiteral)->Name("BM_ComputeCandidates_Empty/literal")->Unit(benchmark::kMillisecond);
BENCHMARK(CandidatesHalfFast)->Name("BM_ComputeCandidates_HalfFilled/fast");
BENCHMARK(CandidatesHalfLiteral)->Name("BM_ComputeCandidates_HalfFilled/literal")->Unit(benchmark::kMillisecond);
BENCHMARK(NoDeadCellHalfFast)->Name("BM_NoDeadCell_HalfFilled/fast");
BENCHMARK(NoDeadCellHalfLiteral)->Name("BM_NoDeadCell_HalfFilled/literal")->Unit(benchmark::kMillisecond);
BENCHMARK(NoDeadCellEmptyFast)->Name("BM_NoDeadCell_Empty/fast");
BENCHMARK(NoDeadCellEmptyLiteral)->Name("BM_NoDeadCell_Empty/literal")->Unit(benchmark::kMillisecond);
