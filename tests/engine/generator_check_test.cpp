// Tests of the level check: each requirement a level board can miss is found and named.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/generator.h"
#include "engine/generator_check.h"
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

bool Names(const std::vector<std::string>& faults, const std::string& part) {
    return std::any_of(faults.begin(), faults.end(), [&](const std::string& f) { return f.find(part) != std::string::npos; });
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

}  // namespace
}  // namespace drz
