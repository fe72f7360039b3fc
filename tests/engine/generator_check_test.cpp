// Tests of the level check: each requirement a level board can miss is found and named.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/generator.h"
#include "engine/generator_check.h"
#include "engine/generator_deals.h"
#include "engine/generator_forced.h"
#include "engine/symmetry.h"

namespace drz {
namespace {

const GeneratedBoard& Sample(int level) {
    static const std::array<GeneratedBoard, 4> boards = [] {
        std::array<GeneratedBoard, 4> made;
        for (int level = 0; level < 4; ++level) {
            RandomSource random(900 + static_cast<std::uint64_t>(level));
            made[level] = GenerateBoard(kLevelBands[level], random);
        }
        return made;
    }();
    return boards[level];
}

// A board thinned to minimal by the forced passes on the board as it stands, with no regard to shuffles,
// that some shuffle of the deal set makes too hard. Most such boards are, so the first seed or two will do.
Board FragileMinimalBoard() {
    const DistinctCells& m = TheDistinctCells();
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        RandomSource random(seed);
        const CellDigits solution = RandomSolution(random);
        CellDigits givens = solution;
        std::vector<int> order = SymmetricPairs();
        for (int i = static_cast<int>(order.size()) - 1; i > 0; --i) std::swap(order[i], order[random.Random(i + 1)]);
        for (int id : order) {
            const int mirror = m.cell[id].mirror;
            givens[id] = givens[mirror] = 0;
            if (!RunForcedPasses(givens).solved) {
                givens[id] = solution[id];
                givens[mirror] = solution[mirror];
            }
        }
        Board b;
        WriteDistinct(givens, b.CellValue);
        WriteDistinct(givens, b.GivenValue);
        if (!CheckDeals(b, true).EveryDealSolved()) return b;
    }
    ADD_FAILURE() << "no minimal board that a shuffle makes too hard";
    return Board{};
}

bool Names(const std::vector<std::string>& faults, const std::string& part) {
    return std::any_of(faults.begin(), faults.end(),
                       [&](const std::string& f) { return f.find(part) != std::string::npos; });
}

TEST(LevelCheck, GeneratedBoardsPassTheirOwnLevelOnly) {
    for (int level = 0; level < 4; ++level) {
        const BoardJudgement j = JudgeBoard(Sample(level).board);
        EXPECT_TRUE(LevelFaults(j, kLevelBands[level]).empty()) << kLevelBands[level].name;
        EXPECT_EQ(j.passes, Sample(level).passes);
        EXPECT_EQ(j.minimal, level == 3);
        for (int other = 0; other < 4; ++other) {
            if (other == level) continue;
            EXPECT_FALSE(LevelFaults(j, kLevelBands[other]).empty()) << level << " as " << other;
        }
    }
}

TEST(LevelCheck, EntriesMarksAndIndexZeroAreFaults) {
    Board b = Sample(0).board;
    const int empty = [&] {
        for (int x = 1; x <= 9; ++x)
            if (b.Cell(3, x, 2) == 0) return x;
        return 0;
    }();
    ASSERT_NE(empty, 0);
    Board entry = b;
    entry.Cell(3, empty, 2) = Sample(0).solution[TheDistinctCells().Id(3, empty, 2)];
    EXPECT_TRUE(Names(LevelFaults(JudgeBoard(entry), kLevelBands[0]), "Einträge"));
    Board marked = b;
    marked.Mark(3, empty, 2, 4) = true;
    EXPECT_TRUE(Names(LevelFaults(JudgeBoard(marked), kLevelBands[0]), "Kandidaten"));
    Board zero = b;
    zero.CellValue[CellIndex(0, 3, 3)] = 7;
    zero.GivenValue[CellIndex(0, 3, 3)] = 7;
    EXPECT_TRUE(Names(LevelFaults(JudgeBoard(zero), kLevelBands[0]), "Index 0"));
}

TEST(LevelCheck, UnequalCopiesAndBrokenSymmetryAreFaults) {
    Board b = Sample(1).board;
    // Empty the secondary copy of one shared given: unequal copies, and no solution for the exact search.
    for (int x = 1; x <= 3; ++x)
        for (int y = 1; y <= 3; ++y)
            if (b.Given(7, x, y) != 0) {
                b.Cell(7, x, y) = b.Given(7, x, y) = 0;
                x = y = 9;
            }
    const BoardJudgement j = JudgeBoard(b);
    EXPECT_FALSE(j.copiesEqual);
    EXPECT_EQ(j.solutions, SolutionCount::None);
    EXPECT_TRUE(Names(LevelFaults(j, kLevelBands[1]), "ungleiche Kopien"));
    // A given without its mirror.
    Board lone = Sample(1).board;
    const DistinctCells& m = TheDistinctCells();
    CellDigits givens{};
    ReadDistinct(lone.GivenValue, givens);
    for (int id = 0; id < 909; ++id)
        if (givens[id] == 0 && givens[m.cell[id].mirror] == 0) {
            givens[id] = Sample(1).solution[id];
            break;
        }
    WriteDistinct(givens, lone.CellValue);
    WriteDistinct(givens, lone.GivenValue);
    EXPECT_TRUE(Names(LevelFaults(JudgeBoard(lone), kLevelBands[1]), "punktsymmetrisch"));
}

TEST(LevelCheck, SeveralSolutionsAndUnsolvedAreFaults) {
    // The minimal board with one pair fewer: the forced steps no longer finish it.
    const GeneratedBoard& g = Sample(3);
    const DistinctCells& m = TheDistinctCells();
    CellDigits givens{};
    ReadDistinct(g.board.GivenValue, givens);
    for (int id : SymmetricPairs())
        if (givens[id] != 0) {
            givens[id] = givens[m.cell[id].mirror] = 0;
            break;
        }
    Board fewer;
    WriteDistinct(givens, fewer.CellValue);
    WriteDistinct(givens, fewer.GivenValue);
    const auto faults = LevelFaults(JudgeBoard(fewer), kLevelBands[3]);
    EXPECT_TRUE(Names(faults, "nicht gelöst"));
    EXPECT_FALSE(Names(faults, "nicht minimal")) << "an unsolved board is not judged for minimality twice";
    // The empty board: many solutions.
    const BoardJudgement empty = JudgeBoard(Board{});
    EXPECT_EQ(empty.solutions, SolutionCount::Several);
    EXPECT_TRUE(Names(LevelFaults(empty, kLevelBands[0]), "genau eine Lösung"));
}

TEST(LevelCheck, ANonMinimalExtremBoardIsAFault) {
    // A Schwer board has the passes of Schwer, and more pairs could go.
    BoardJudgement j = JudgeBoard(Sample(2).board);
    EXPECT_FALSE(j.minimal);
    EXPECT_FALSE(MinimalForSolveBoard(Sample(2).board));
    EXPECT_TRUE(MinimalForSolveBoard(Sample(3).board));
    j.givens = 240;
    j.passes = 13;
    EXPECT_EQ(LevelFaults(j, kLevelBands[3]), std::vector<std::string>{"nicht minimal"});
}

TEST(LevelCheck, ABoardSomeShuffleMakesTooHardIsAFault) {
    const Board b = FragileMinimalBoard();
    const BoardJudgement j = JudgeBoard(b);
    ASSERT_TRUE(j.solvedBySolveBoard) << "fine as it stands";
    EXPECT_TRUE(j.minimal);
    EXPECT_EQ(j.deals.shuffled, kShuffledDeals) << "the level check runs the whole set";
    EXPECT_FALSE(j.deals.EveryDealSolved());
    EXPECT_TRUE(Names(LevelFaults(j, kLevelBands[3]), "nicht auf jeder Mischung"));
    EXPECT_EQ(DealSummary(j.deals).find("alle"), std::string::npos);
    // The generator's use stops at the first failing deal.
    const DealCheck first = CheckDeals(b, true);
    EXPECT_EQ(first.unsolved + first.overLimit, 1);
    EXPECT_FALSE(first.EveryDealSolved());
}

TEST(LevelCheck, GeneratedBoardsAreSolvedOnEveryDeal) {
    for (int level = 0; level < 4; ++level) {
        const DealCheck deals = JudgeBoard(Sample(level).board).deals;
        EXPECT_TRUE(deals.EveryDealSolved()) << kLevelBands[level].name << ": " << DealSummary(deals);
        EXPECT_EQ(deals.worstPasses, Sample(level).dealPasses);
        EXPECT_EQ(DealSummary(deals).rfind("alle 256 Mischungen in höchstens ", 0), 0u) << DealSummary(deals);
    }
}

}  // namespace
}  // namespace drz
