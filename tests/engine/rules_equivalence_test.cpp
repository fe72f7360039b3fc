// The fast rule test and candidates against the literal ones on hundreds of seeded boards of every kind.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "board/board_ops.h"
#include "oracle/board_factory.h"
#include "oracle/literal_rules.h"
#include "rule_sets.h"

namespace drz {
namespace {

using oracle::Rng;
using test::kFastRules;
using test::kLiteralRules;

// What the game can ask of a board; counts of how often each verdict came up, so a test can check that its
// boards reach both outcomes.
struct Tally {
    int boards = 0;
    int valid = 0;
    int withoutDeadCell = 0;
};

// Every verdict and the whole mark table after each candidate step, fast against literal.
void ExpectSameResults(const Board& board, Rng& rng, Tally& tally) {
    const bool valid = oracle::LiteralBoardValid(board);
    ASSERT_EQ(BoardValid(board), valid);
    for (int k = 1; k <= kGridCount; ++k)
        for (int x0 = 1; x0 <= 7; x0 += 3)
            for (int y0 = 1; y0 <= 7; y0 += 3)
                ASSERT_EQ(BoxValid(board, k, x0, y0), oracle::LiteralBoxValid(board, k, x0, y0))
                    << "box " << k << ":" << x0 << "," << y0;
    const bool alive = oracle::LiteralNoDeadCell(board);
    ASSERT_EQ(NoDeadCell(board), alive);

    // Start from marks left by a player, index 0 elements included, so the clearing is tested too.
    Board fast = board;
    oracle::RandomMarks(fast, rng, 0.5);
    Board literal = fast;
    ComputeCandidates(fast);
    oracle::LiteralComputeCandidates(literal);
    ASSERT_EQ(fast.CandidateMark, literal.CandidateMark) << "after computing";
    ASSERT_EQ(fast.CellValue, board.CellValue) << "the board itself is untouched";
    ASSERT_EQ(literal.CellValue, board.CellValue);

    MergeSharedCandidates(fast);
    oracle::LiteralMergeSharedCandidates(literal);
    ASSERT_EQ(fast.CandidateMark, literal.CandidateMark) << "after merging";

    ++tally.boards;
    tally.valid += valid ? 1 : 0;
    tally.withoutDeadCell += alive ? 1 : 0;
}

// The literal rules test the whole board for every trial digit. An unoptimised sanitizer build runs them
// some twenty times slower, so it checks every fifth board of each kind; the sweep is for memory faults
// there, and the full set runs in the optimised build.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || !defined(__OPTIMIZE__)
constexpr int kBoardStride = 5;
#else
constexpr int kBoardStride = 1;
#endif

// Runs boards made by `make` from seeds first, first + 1, ..., first + count - 1 (every kBoardStride-th).
Tally CompareOnBoards(std::uint64_t first, int count, const std::function<Board(Rng&, int)>& make) {
    Tally tally;
    for (int n = 0; n < count; n += kBoardStride) {
        Rng rng(first + static_cast<std::uint64_t>(n));
        const Board board = make(rng, n);
        SCOPED_TRACE("seed " + std::to_string(first + static_cast<std::uint64_t>(n)));
        ExpectSameResults(board, rng, tally);
        if (testing::Test::HasFatalFailure()) break;
    }
    return tally;
}

TEST(RulesAgainstLiteral, EmptyAndFullBoards) {
    const Tally empty = CompareOnBoards(1, 1, [](Rng&, int) { return oracle::EmptyBoard(); });
    EXPECT_EQ(empty.withoutDeadCell, 1);
    const Tally full = CompareOnBoards(100, 30, [](Rng& rng, int) { return oracle::RandomFullBoard(rng); });
    EXPECT_EQ(full.valid, full.boards);
}

TEST(RulesAgainstLiteral, PartialSolutions) {
    const Tally tally = CompareOnBoards(1000, 60, [](Rng& rng, int n) {
        Board board = oracle::RandomPartialBoard(rng, 0.3 + 0.01 * n);
        if (n % 2 == 0) oracle::MakeGivens(board);
        return board;
    });
    EXPECT_EQ(tally.valid, tally.boards);
    EXPECT_EQ(tally.withoutDeadCell, tally.boards);
}

// Random digits kept only where they break no rule: valid, and many of them with dead cells.
TEST(RulesAgainstLiteral, ConsistentBoardsWithDeadCells) {
    const Tally tally =
        CompareOnBoards(2000, 60, [](Rng& rng, int n) { return oracle::RandomConsistentBoard(rng, 300 + 40 * n); });
    EXPECT_EQ(tally.valid, tally.boards);
    EXPECT_GT(tally.withoutDeadCell, 0);
    EXPECT_LT(tally.withoutDeadCell, tally.boards);
}

TEST(RulesAgainstLiteral, BoardsRepeatingADigit) {
    const Tally tally = CompareOnBoards(3000, 50, [](Rng& rng, int n) {
        Board board = n % 4 == 0 ? oracle::RandomFullBoard(rng) : oracle::RandomPartialBoard(rng, 0.6);
        oracle::PutRepeatedDigit(board, rng);
        return board;
    });
    EXPECT_EQ(tally.valid, 0);
    EXPECT_GT(tally.withoutDeadCell, 0) << "full boards have no empty cell to fail";
}

// The two copies of some shared cells disagree: each copy must be judged in its own grid.
TEST(RulesAgainstLiteral, BoardsWithUnequalCopies) {
    const Tally tally = CompareOnBoards(4000, 60, [](Rng& rng, int n) {
        Board board = n % 2 == 0 ? oracle::RandomPartialBoard(rng, 0.5) : oracle::RandomConsistentBoard(rng, 500);
        oracle::MakeCopiesUnequal(board, rng, 1 + n % 4);
        return board;
    });
    EXPECT_GT(tally.valid, 0);
    EXPECT_LT(tally.valid, tally.boards);
}

TEST(RulesAgainstLiteral, NoiseBoards) {
    const Tally tally =
        CompareOnBoards(5000, 40, [](Rng& rng, int n) { return oracle::NoiseBoard(rng, 0.01 * (1 + n % 10)); });
    EXPECT_GT(tally.valid, 0);
    EXPECT_LT(tally.valid, tally.boards);
}

// What a damaged board file could bring: values above 9 and junk in the elements the game never reads.
TEST(RulesAgainstLiteral, DamagedBoards) {
    const Tally tally = CompareOnBoards(6000, 30, [](Rng& rng, int n) {
        Board board = n % 3 == 0 ? oracle::RandomPartialBoard(rng, 0.5) : oracle::RandomConsistentBoard(rng, 400);
        oracle::PutStrayValues(board, rng, 1 + n % 20);
        oracle::ScribbleIndexZero(board, rng);
        if (n % 4 == 1) oracle::MakeCopiesUnequal(board, rng, 2);
        return board;
    });
    EXPECT_GT(tally.valid, 0);
}

// The player's own marks differ between the copies: merging leaves both with the intersection.
TEST(MergeAgainstLiteral, RandomPlayerMarks) {
    for (std::uint64_t seed = 7000; seed < 7100; ++seed) {
        Rng rng(seed);
        Board fast;
        oracle::RandomMarks(fast, rng, 0.2 + 0.006 * static_cast<double>(seed - 7000));
        Board literal = fast;
        const Board before = fast;
        MergeSharedCandidates(fast);
        oracle::LiteralMergeSharedCandidates(literal);
        ASSERT_EQ(fast.CandidateMark, literal.CandidateMark) << "seed " << seed;
        for (const SharedBox& box : SharedBoxes) {
            for (int d = 1; d <= 9; ++d) {
                const bool both = before.Mark(box.primaryGrid, box.primaryX0, 7, d) &&
                                  before.Mark(box.secondaryGrid, box.secondaryX0, 1, d);
                ASSERT_EQ(fast.Mark(box.primaryGrid, box.primaryX0, 7, d), both);
                ASSERT_EQ(fast.Mark(box.secondaryGrid, box.secondaryX0, 1, d), both);
            }
        }
    }
}

}  // namespace
}  // namespace drz
