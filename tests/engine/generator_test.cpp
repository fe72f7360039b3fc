// Tests of the level generator: every board as a level file must hold it, bands, determinism, minimality.
#include <gtest/gtest.h>

#include <map>

#include "board/geometry.h"
#include "engine/exact_search.h"
#include "engine/generator.h"
#include "engine/generator_forced.h"
#include "engine/solver.h"
#include "engine/symmetry.h"
#include "oracle/literal_solver.h"

namespace drz {
namespace {

// One board per level, made once for all tests of this file.
const GeneratedBoard& BoardOfLevel(int level) {
    static std::map<int, GeneratedBoard> made;
    auto it = made.find(level);
    if (it == made.end()) {
        RandomSource random(4242 + static_cast<std::uint64_t>(level));
        it = made.emplace(level, GenerateBoard(kLevelBands[level], random)).first;
    }
    return it->second;
}

void ExpectShippable(const GeneratedBoard& g, const LevelBand& band) {
    const Board& b = g.board;
    EXPECT_EQ(b.CellValue, b.GivenValue) << "every given in both tables, 0 in both elsewhere";
    for (int i = 0; i < kCellTableSize; ++i)
        if (i % 14 == 0 || i / 14 % 10 == 0 || i / 140 == 0) {
            ASSERT_EQ(b.CellValue[i], 0) << "index-0 element " << i;
        }
    for (bool mark : b.CandidateMark) ASSERT_FALSE(mark);
    CellDigits givens{};
    ASSERT_TRUE(ReadDistinct(b.CellValue, givens)) << "copies of shared cells equal";
    int count = 0;
    for (std::uint8_t d : givens) count += d != 0;
    EXPECT_EQ(count, g.givens);
    EXPECT_TRUE(GivensPointSymmetric(b));
    EXPECT_TRUE(band.Holds(g.givens, g.passes)) << band.name << " " << g.givens << " givens, " << g.passes << " passes";
    const ExactResult exact = CountSolutions(b);
    EXPECT_EQ(exact.Count(), SolutionCount::One);
    EXPECT_EQ(exact.solution, g.solution);
    Board solved = b;
    SolveHooks quiet;
    const SolveResult verdict = SolveBoard(solved, quiet);
    EXPECT_TRUE(verdict.solved);
    EXPECT_EQ(solved.GivenValue, b.GivenValue);
    CellDigits filled{};
    ReadDistinct(solved.CellValue, filled);
    EXPECT_EQ(filled, g.solution);
    const ForcedRun run = RunForcedPasses(b);
    EXPECT_TRUE(run.solved);
    EXPECT_EQ(run.passes, g.passes);
}

TEST(Generator, EveryLevelMakesAShippableBoardInItsBand) {
    for (int level = 0; level < 4; ++level) {
        SCOPED_TRACE(kLevelBands[level].name);
        ExpectShippable(BoardOfLevel(level), kLevelBands[level]);
    }
}

TEST(Generator, ExtremBoardsAreMinimal) {
    const GeneratedBoard& g = BoardOfLevel(3);
    const DistinctCells& m = TheDistinctCells();
    CellDigits givens{};
    ReadDistinct(g.board.GivenValue, givens);
    int pairsTried = 0;
    for (int id : SymmetricPairs()) {
        if (givens[id] == 0) continue;
        ++pairsTried;
        CellDigits fewer = givens;
        fewer[id] = fewer[m.cell[id].mirror] = 0;
        Board b;
        WriteDistinct(fewer, b.CellValue);
        WriteDistinct(fewer, b.GivenValue);
        SolveHooks quiet;
        EXPECT_FALSE(SolveBoard(b, quiet).solved) << "pair at cell " << id << " could go";
    }
    EXPECT_GT(pairsTried, 100);
}

TEST(Generator, SameSeedSameBoardOtherSeedOtherBoard) {
    RandomSource a(77), b(77), c(78);
    const GeneratedBoard first = GenerateBoard(kLevelBands[0], a);
    const GeneratedBoard again = GenerateBoard(kLevelBands[0], b);
    const GeneratedBoard other = GenerateBoard(kLevelBands[0], c);
    EXPECT_EQ(first.board.CellValue, again.board.CellValue);
    EXPECT_EQ(first.solution, again.solution);
    EXPECT_NE(first.board.CellValue, other.board.CellValue);
}

TEST(Generator, FourBoardsOfALevelHaveDifferentSolutions) {
    RandomSource random(5);
    const auto boards = GenerateLevelBoards(kLevelBands[0], random);
    for (int i = 0; i < 4; ++i) {
        ExpectShippable(boards[i], kLevelBands[0]);
        for (int j = 0; j < i; ++j) EXPECT_NE(boards[i].solution, boards[j].solution);
    }
}

TEST(Generator, RandomSolutionsAreValidAndVaried) {
    RandomSource random(9);
    const CellDigits a = RandomSolution(random), b = RandomSolution(random);
    EXPECT_NE(a, b);
    for (const CellDigits& s : {a, b}) {
        EXPECT_EQ(CountSolutions(s).Count(), SolutionCount::One);
        for (std::uint8_t d : s) ASSERT_NE(d, 0);
    }
}

TEST(GeneratorBands, NamesAndRangesDoNotOverlap) {
    EXPECT_EQ(LevelByName("extrem"), 3);
    EXPECT_EQ(LevelByName("Leicht"), 0);
    EXPECT_EQ(LevelByName("MITTEL"), 1);
    EXPECT_FALSE(LevelByName("schwerer"));
    EXPECT_FALSE(LevelByName(""));
    for (int level = 0; level < 4; ++level) {
        const LevelBand& band = kLevelBands[level];
        EXPECT_EQ(band.name, LevelName[level]);
        EXPECT_LE(band.minGivens, band.maxGivens);
        EXPECT_LE(band.minPasses, band.maxPasses);
        EXPECT_LE(band.maxPasses, kMaxSolvePasses);
        EXPECT_EQ(band.minimal, level == 3);
        if (level == 0) continue;
        const LevelBand& easier = kLevelBands[level - 1];
        EXPECT_LT(band.maxGivens, easier.minGivens) << "harder levels have fewer givens";
        EXPECT_GT(band.minPasses, easier.maxPasses) << "and need more passes";
    }
    EXPECT_TRUE(kLevelBands[1].Holds(340, 5));
    EXPECT_FALSE(kLevelBands[1].Holds(340, 3));
    EXPECT_FALSE(kLevelBands[1].Holds(361, 5));
}

TEST(Symmetry, PairsCoverEveryCellOnce) {
    const DistinctCells& m = TheDistinctCells();
    std::vector<int> seen(909, 0);
    for (int id : SymmetricPairs()) {
        ++seen[id];
        if (m.cell[id].mirror != id) ++seen[m.cell[id].mirror];
    }
    EXPECT_EQ(SymmetricPairs().size(), 455u);
    for (int n : seen) EXPECT_EQ(n, 1);
}

TEST(Symmetry, OneGivenWithoutItsMirrorBreaksIt) {
    Board b;
    EXPECT_TRUE(GivensPointSymmetric(b));
    b.Given(7, 5, 5) = 3;
    EXPECT_TRUE(GivensPointSymmetric(b)) << "the centre is its own mirror";
    b.Given(2, 3, 1) = 4;
    EXPECT_FALSE(GivensPointSymmetric(b));
    b.Given(12, 7, 9) = 8;  // another digit is fine: only the pattern counts
    EXPECT_TRUE(GivensPointSymmetric(b));
    b.Given(4, 1, 1) = 1;  // secondary copy of grid 1's (7, 7), mirror is grid 10's (9, 9)
    EXPECT_FALSE(GivensPointSymmetric(b));
}

TEST(GeneratorForced, PassCountMatchesTheLiteralSolver) {
    const GeneratedBoard& g = BoardOfLevel(0);
    SolveHooks quiet;
    Board enough = g.board;
    oracle::LiteralForcedPasses(enough, quiet, g.passes);
    EXPECT_EQ(RunForcedPasses(enough).passes, 0) << "solved within the counted passes";
    Board fewer = g.board;
    oracle::LiteralForcedPasses(fewer, quiet, g.passes - 1);
    const ForcedRun rest = RunForcedPasses(fewer);
    EXPECT_TRUE(rest.solved);
    EXPECT_GE(rest.passes, 1) << "one pass fewer leaves work";
}

TEST(GeneratorForced, UnsolvableAndContradictoryBoards) {
    EXPECT_FALSE(RunForcedPasses(Board{}).solved);
    EXPECT_EQ(RunForcedPasses(Board{}).passes, 0);
    // A digit repeated in a row of grid 6: every trial fails, nothing is placed.
    Board b = BoardOfLevel(0).board;
    int x = 1;
    while (b.Cell(6, x, 5) == 0) ++x;
    for (int other = 1; other <= 9; ++other)
        if (b.Cell(6, other, 5) == 0) {
            b.Cell(6, other, 5) = b.Cell(6, x, 5);
            break;
        }
    const ForcedRun run = RunForcedPasses(b);
    EXPECT_FALSE(run.solved);
    EXPECT_EQ(run.passes, 0);
}

}  // namespace
}  // namespace drz
