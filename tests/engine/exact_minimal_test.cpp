// Tests of the exact search on the committed minimal puzzles: one solution, proved within the node limit,
// beyond singles, and every symmetric pair of givens needed (a second solution proved without it).
#include <gtest/gtest.h>

#include <string>

#include "engine/exact_fixtures.h"
#include "engine/exact_search.h"
#include "engine/generator_minimal.h"
#include "engine/symmetry.h"
#include "oracle/puzzle_files.h"

namespace drz {
namespace {

CellDigits Givens(const std::string& name) {
    const Board board = oracle::LoadPuzzle(name);
    CellDigits givens{};
    EXPECT_TRUE(ReadDistinct(board.GivenValue, givens));
    return givens;
}

class MinimalPuzzles : public ::testing::TestWithParam<int> {
protected:
    CellDigits givens_ = Givens("minimal_" + std::to_string(GetParam()) + ".txt");
};

TEST_P(MinimalPuzzles, HaveOneSolutionFoundWithinTheNodeLimit) {
    const ExactResult r = CountSolutions(givens_);
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.Count(), SolutionCount::One);
    EXPECT_GT(r.branches, 0) << "singles alone do not finish it";
    EXPECT_FALSE(SinglesFinish(givens_));
    EXPECT_TRUE(testing::GridsValid(r.solution, true));
    for (int id = 0; id < 909; ++id) {
        if (givens_[id] == 0) continue;
        ASSERT_EQ(r.solution[id], givens_[id]);
    }
}

TEST_P(MinimalPuzzles, NeedEverySymmetricPairOfGivens) {
#ifndef NDEBUG
    // Some hundred searches per puzzle: unoptimised (sanitizer) builds check one puzzle only.
    if (GetParam() != 3) GTEST_SKIP() << "every puzzle is checked in optimised builds";
#endif
    EXPECT_TRUE(EveryPairNeeded(givens_));
}

TEST(MinimalCheck, APuzzleWithASpareGivenIsNotMinimal) {
    // The first committed puzzle with the solution's digits added back in one more symmetric pair.
    CellDigits givens = Givens("minimal_1.txt");
    const CellDigits solution = CountSolutions(givens).solution;
    const DistinctCells& m = TheDistinctCells();
    for (int id : SymmetricPairs())
        if (givens[id] == 0) {
            givens[id] = solution[id];
            givens[m.cell[id].mirror] = solution[m.cell[id].mirror];
            break;
        }
    EXPECT_FALSE(EveryPairNeeded(givens));
}

TEST_P(MinimalPuzzles, GivensArePointSymmetric) {
    Board b;
    WriteDistinct(givens_, b.GivenValue);
    EXPECT_TRUE(GivensPointSymmetric(b));
}

INSTANTIATE_TEST_SUITE_P(Committed, MinimalPuzzles, ::testing::Values(1, 2, 3, 4, 5));

}  // namespace
}  // namespace drz
