// Tests of the exact search: counts, contradictions, the node limit, agreement with plain backtracking.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "board/geometry.h"
#include "engine/exact_fixtures.h"
#include "engine/exact_search.h"

namespace drz {
namespace {

using testing::GridsValid;
using testing::NaiveCount;
using testing::PatternSolution;
using testing::TestRandom;

CellDigits RandomSolution(unsigned seed) {
    TestRandom random(seed);
    ExactLimits limits;
    limits.maxSolutions = 1;
    limits.random = std::ref(random);
    const ExactResult r = CountSolutions(CellDigits{}, limits);
    EXPECT_EQ(r.solutions, 1);
    return r.solution;
}

// Four unshared cells of one grid in two rows of a band and two stacks, holding a b / b a.
std::optional<std::array<int, 4>> FindDeadlyRectangle(const CellDigits& s) {
    const DistinctCells& m = TheDistinctCells();
    for (int k = 1; k <= 13; ++k)
        for (int y1 = 1; y1 <= 9; ++y1)
            for (int y2 = y1 + 1; y2 <= 3 * ((y1 - 1) / 3) + 3; ++y2)
                for (int x1 = 1; x1 <= 9; ++x1)
                    for (int x2 = 3 * ((x1 - 1) / 3) + 4; x2 <= 9; ++x2) {
                        if (PartnerCell(k, x1, y1) || PartnerCell(k, x1, y2) || PartnerCell(k, x2, y1) ||
                            PartnerCell(k, x2, y2))
                            continue;
                        const std::array<int, 4> c = {m.Id(k, x1, y1), m.Id(k, x2, y1), m.Id(k, x1, y2),
                                                      m.Id(k, x2, y2)};
                        if (s[c[0]] == s[c[3]] && s[c[1]] == s[c[2]]) return c;
                    }
    return std::nullopt;
}

TEST(ExactSearch, FullBoards) {
    for (const CellDigits& full : {PatternSolution(), RandomSolution(7)}) {
        ASSERT_TRUE(GridsValid(full, true));
        const ExactResult r = CountSolutions(full);
        EXPECT_EQ(r.Count(), SolutionCount::One);
        EXPECT_EQ(r.solution, full);
        EXPECT_EQ(r.nodes, 1);
        EXPECT_EQ(CountSolutions(testing::BoardOf(full)).Count(), SolutionCount::One);
    }
}

TEST(ExactSearch, EmptyBoardHasSeveralSolutionsFound) {
    const auto start = std::chrono::steady_clock::now();
    const ExactResult r = CountSolutions(CellDigits{});
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(r.Count(), SolutionCount::Several);
    EXPECT_TRUE(GridsValid(r.solution, true));
    EXPECT_LT(ms, 1000.0);
}

TEST(ExactSearch, RandomDigitOrderGivesDifferentValidSolutions) {
    const CellDigits a = RandomSolution(1), b = RandomSolution(2), a2 = RandomSolution(1);
    EXPECT_TRUE(GridsValid(a, true));
    EXPECT_TRUE(GridsValid(b, true));
    EXPECT_NE(a, b);
    EXPECT_EQ(a, a2) << "the same random sequence gives the same solution";
}

TEST(ExactSearch, DeadlyRectangleHasExactlyTwoSolutions) {
    for (unsigned seed : {3u, 4u, 5u}) {
        CellDigits s = RandomSolution(seed);
        const auto rect = FindDeadlyRectangle(s);
        ASSERT_TRUE(rect) << seed;
        for (int id : *rect) s[id] = 0;
        ExactLimits limits;
        limits.maxSolutions = 10;
        const ExactResult r = CountSolutions(s, limits);
        EXPECT_EQ(r.solutions, 2);
        EXPECT_TRUE(r.finished);
        EXPECT_EQ(NaiveCount(s, 10), 2);
        EXPECT_EQ(CountSolutions(s).Count(), SolutionCount::Several);
    }
}

TEST(ExactSearch, ContradictoryBoardsHaveNoSolution) {
    const DistinctCells& m = TheDistinctCells();
    CellDigits s = PatternSolution();
    // A full board with one wrong digit.
    CellDigits wrong = s;
    wrong[100] = static_cast<std::uint8_t>(wrong[100] % 9 + 1);
    EXPECT_EQ(CountSolutions(wrong).Count(), SolutionCount::None);
    // One empty cell of grid 9 that sees all nine digits: its row holds 1..8, its column the 9.
    CellDigits dead{};
    for (int x = 2; x <= 9; ++x) dead[m.Id(9, x, 5)] = static_cast<std::uint8_t>(x - 1);
    dead[m.Id(9, 1, 1)] = 9;
    EXPECT_EQ(CountSolutions(dead).Count(), SolutionCount::None);
    // A digit outside 1..9.
    CellDigits bad{};
    bad[0] = 10;
    EXPECT_EQ(CountSolutions(bad).Count(), SolutionCount::None);
    // Two equal digits in one row of a single grid, elsewhere empty.
    CellDigits twice{};
    twice[m.Id(5, 1, 4)] = twice[m.Id(5, 9, 4)] = 3;
    EXPECT_EQ(CountSolutions(twice).Count(), SolutionCount::None);
}

TEST(ExactSearch, UnequalCopiesOfASharedCellAreContradictory) {
    Board b = testing::BoardOf(PatternSolution());
    EXPECT_EQ(CountSolutions(b).Count(), SolutionCount::One);
    b.Cell(6, 8, 2) = 0;  // secondary copy emptied, primary (grid 4, (2, 8)) keeps its digit
    EXPECT_EQ(CountSolutions(b).Count(), SolutionCount::None);
    b = testing::BoardOf(PatternSolution());
    b.Cell(4, 2, 8) = 0;  // primary emptied
    EXPECT_EQ(CountSolutions(b).Count(), SolutionCount::None);
    Board empty;
    empty.Cell(12, 1, 1) = 4;  // only the secondary copy of grid 9's (7, 7)
    EXPECT_EQ(CountSolutions(empty).Count(), SolutionCount::None);
    empty.Cell(9, 7, 7) = 4;
    EXPECT_EQ(CountSolutions(empty).Count(), SolutionCount::Several);
}

TEST(ExactSearch, BlankBandCountedLikePlainBacktracking) {
    // The top band of grid 1 emptied: its rows belong to grid 1 alone, so several orders of them may fit.
    const CellDigits s = RandomSolution(11);
    CellDigits band = s;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 3; ++y) band[TheDistinctCells().Id(1, x, y)] = 0;
    ExactLimits limits;
    limits.maxSolutions = 1000;
    const ExactResult exact = CountSolutions(band, limits);
    EXPECT_TRUE(exact.finished);
    EXPECT_EQ(exact.solutions, NaiveCount(band, 1000));
    // A wrong digit in the band that breaks no rule at once: only the search can tell what is left.
    CellDigits wrongGuess = band;
    const int id = TheDistinctCells().Id(1, 5, 2);
    for (int d = 1; d <= 9; ++d) {
        wrongGuess[id] = static_cast<std::uint8_t>(d);
        CellDigits copy = wrongGuess;
        EXPECT_EQ(CountSolutions(wrongGuess, limits).solutions, NaiveCount(copy, 1000)) << d;
    }
}

TEST(ExactSearch, AgreesWithPlainBacktracking) {
    const DistinctCells& m = TheDistinctCells();
    for (unsigned seed = 20; seed < 32; ++seed) {
        const CellDigits s = RandomSolution(seed);
        TestRandom random(seed);
        CellDigits puzzle = s;
        // Empty a random grid's random band and a few scattered cells, sometimes a wrong digit.
        const int k = 1 + random(13), band = random(3);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1 + 3 * band; y <= 3 + 3 * band; ++y) puzzle[m.Id(k, x, y)] = 0;
        for (int i = 0; i < 15; ++i) puzzle[random(909)] = 0;
        if (seed % 3 == 0) puzzle[random(909)] = static_cast<std::uint8_t>(1 + random(9));
        ExactLimits limits;
        limits.maxSolutions = 500;
        const ExactResult r = CountSolutions(puzzle, limits);
        CellDigits copy = puzzle;
        EXPECT_EQ(r.solutions, NaiveCount(copy, 500)) << seed;
        limits.probe = false;
        EXPECT_EQ(CountSolutions(puzzle, limits).solutions, r.solutions) << "with and without trials of pairs";
        if (r.solutions > 0) {
            EXPECT_TRUE(GridsValid(r.solution, true));
            for (int id = 0; id < 909; ++id)
                if (puzzle[id] != 0) {
                    EXPECT_EQ(r.solution[id], puzzle[id]);
                }
        }
    }
}

TEST(ExactSearch, NodeLimitAnswersUnknown) {
    ExactLimits limits;
    limits.maxSolutions = 1'000'000;
    limits.maxNodes = 20'000;
    const ExactResult r = CountSolutions(CellDigits{}, limits);
    EXPECT_FALSE(r.finished);
    EXPECT_EQ(r.nodes, 20'001);
    EXPECT_GT(r.solutions, 1) << "solutions found before the limit still count";
    EXPECT_EQ(r.Count(), SolutionCount::Several);
    // A search that proves nothing before the limit reports unknown.
    limits.maxSolutions = 2;
    limits.maxNodes = 1;
    const ExactResult cut = CountSolutions(CellDigits{}, limits);
    EXPECT_FALSE(cut.finished);
    EXPECT_EQ(cut.Count(), SolutionCount::Unknown);
    EXPECT_STREQ(SolutionCountText(cut.Count()), "unbekannt");
    EXPECT_STREQ(SolutionCountText(SolutionCount::Several), "≥2");
    // The same search with room to spare stops at its second solution, well inside the limit.
    limits.maxNodes = 1'000'000;
    const ExactResult room = CountSolutions(CellDigits{}, limits);
    EXPECT_TRUE(room.finished);
    EXPECT_LT(room.nodes, 10'000);
}

}  // namespace
}  // namespace drz
