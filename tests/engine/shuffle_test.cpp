// The shuffle: its primitives, the relabelling, and what must hold after any shuffle; known answers for
// fixed seeds, so the order of the draws cannot change unnoticed.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

#include "board/board_ops.h"
#include "board/geometry.h"
#include "engine/rules.h"
#include "engine/shuffle.h"
#include "engine/symmetry.h"
#include "oracle/board_factory.h"
#include "oracle/lattice.h"
#include "oracle/puzzle_files.h"

namespace drz {
namespace {

using oracle::Rng;

std::uint64_t Digest(const Board& board) {
    std::uint64_t hash = 1469598103934665603ull;
    auto mix = [&](std::uint8_t byte) { hash = (hash ^ byte) * 1099511628211ull; };
    for (std::uint8_t v : board.CellValue) mix(v);
    for (std::uint8_t v : board.GivenValue) mix(v);
    return hash;
}

bool CopiesEqual(const Board& board) {
    for (const SharedBox& box : SharedBoxes)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                const int px = box.primaryX0 + i, sx = box.secondaryX0 + i;
                if (board.Cell(box.primaryGrid, px, 7 + j) != board.Cell(box.secondaryGrid, sx, 1 + j)) return false;
                if (board.Given(box.primaryGrid, px, 7 + j) != board.Given(box.secondaryGrid, sx, 1 + j)) return false;
            }
    return true;
}

int FilledCopies(const Board& board) {
    int n = 0;
    for (int k = 1; k <= 13; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) n += board.Cell(k, x, y) != 0 ? 1 : 0;
    return n;
}

std::array<int, 9> SortedCounts(Board& board) {
    CountDigits(board);
    std::array<int, 9> counts{};
    for (int d = 1; d <= 9; ++d) counts[d - 1] = board.DigitCount[d];
    std::sort(counts.begin(), counts.end());
    return counts;
}

// A puzzle whose givens keep a lattice cell exactly when its mirror under the half turn is kept.
Board SymmetricPuzzle(Rng& rng) {
    Board board = oracle::RandomFullBoard(rng);
    for (const auto& [X, Y] : oracle::BoardLatticeCells()) {
        if (Y * 33 + X > (32 - Y) * 33 + (32 - X)) continue;  // each pair once
        if (oracle::Chance(rng, 0.4)) continue;
        oracle::SetLatticeCell(board, X, Y, 0);
        oracle::SetLatticeCell(board, 32 - X, 32 - Y, 0);
    }
    oracle::MakeGivens(board);
    return board;
}

// ----- Primitives -----

TEST(ShufflePrimitives, SwapRowsAndColumnsMoveDigitsAndGivensOfOneGrid) {
    auto board = std::make_unique<Board>(oracle::FullBoard());
    oracle::MakeGivens(*board);
    const auto before = std::make_unique<Board>(*board);
    SwapRows(*board, 5, 2, 3);
    for (int x = 1; x <= 9; ++x) {
        EXPECT_EQ(board->Cell(5, x, 2), before->Cell(5, x, 3));
        EXPECT_EQ(board->Given(5, x, 3), before->Given(5, x, 2));
        EXPECT_EQ(board->Cell(5, x, 1), before->Cell(5, x, 1));
    }
    SwapColumns(*board, 5, 7, 9);
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(board->Cell(5, 7, y), before->Cell(5, 9, y == 2 ? 3 : y == 3 ? 2 : y));
    // Nothing outside grid 5 moved, not even the partner copies.
    for (int k : {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13})
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) EXPECT_EQ(board->Cell(k, x, y), before->Cell(k, x, y));
}

TEST(ShufflePrimitives, StacksAndBandsAreThreeLineSwaps) {
    Rng rng(3);
    auto a = std::make_unique<Board>(oracle::RandomFullBoard(rng));
    auto b = std::make_unique<Board>(*a);
    SwapStacks(*a, 8, 3, 2);
    for (int c = 1; c <= 3; ++c) SwapColumns(*b, 8, 6 + c, 3 + c);
    EXPECT_EQ(Digest(*a), Digest(*b));
    SwapBands(*a, 12, 2, 3);
    for (int c = 1; c <= 3; ++c) SwapRows(*b, 12, 3 + c, 6 + c);
    EXPECT_EQ(Digest(*a), Digest(*b));
    EXPECT_TRUE(BoardValid(*a));
}

TEST(ShufflePrimitives, RelabellingIsAPermutationThatKeepsEmptyCellsEmpty) {
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        RandomSource random(seed);
        const DigitPermutation p = DrawDigitPermutation(random);
        EXPECT_EQ(p[0], 0);
        std::array<bool, 10> used{};
        for (int i = 1; i <= 9; ++i) {
            ASSERT_GE(p[i], 1);
            ASSERT_LE(p[i], 9);
            EXPECT_FALSE(used[p[i]]);
            used[p[i]] = true;
        }
    }
    RandomSource random(42);  // worked out independently of this code
    EXPECT_EQ(DrawDigitPermutation(random), (DigitPermutation{0, 7, 1, 3, 6, 2, 5, 9, 8, 4}));
}

TEST(ShufflePrimitives, RelabelDigitsMapsCellsAndGivensAlike) {
    Rng rng(11);
    auto board = std::make_unique<Board>(oracle::RandomPartialBoard(rng, 0.5));
    oracle::MakeGivens(*board);
    board->Cell(3, 1, 1) = 200;  // a stray value from a damaged file is left alone
    const auto before = std::make_unique<Board>(*board);
    RandomSource random(9), twin(9);
    RelabelDigits(*board, random);
    const DigitPermutation p = DrawDigitPermutation(twin);
    for (int k = 1; k <= 13; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const std::uint8_t old = before->Cell(k, x, y);
                EXPECT_EQ(board->Cell(k, x, y), old <= 9 ? p[old] : old);
                EXPECT_EQ(board->Given(k, x, y), p[before->Given(k, x, y)]);
            }
}

// ----- What holds after any shuffle -----

struct ShuffleCase {
    std::uint64_t seed;
    bool symmetric;
};

void ExpectInvariants(const Board& original, const ShuffleCase& c) {
    SCOPED_TRACE(::testing::Message() << "seed " << c.seed << (c.symmetric ? " symmetric" : " independent"));
    auto board = std::make_unique<Board>(original);
    auto before = std::make_unique<Board>(original);
    RandomSource random(c.seed);
    ShuffleBoard(*board, random, c.symmetric);
    EXPECT_TRUE(CopiesEqual(*board));
    EXPECT_EQ(BoardValid(*board), BoardValid(*before));
    EXPECT_EQ(FilledCopies(*board), FilledCopies(*before));
    EXPECT_EQ(CountGivens(*board), CountGivens(*before));
    EXPECT_EQ(SortedCounts(*board), SortedCounts(*before));
    EXPECT_TRUE(std::none_of(board->CandidateMark.begin(), board->CandidateMark.end(), [](bool m) { return m; }));
    if (c.symmetric && GivensPointSymmetric(*before)) {
        EXPECT_TRUE(GivensPointSymmetric(*board));
    }
}

#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
constexpr std::uint64_t kSeeds = 4;
#else
constexpr std::uint64_t kSeeds = 12;
#endif

TEST(ShuffleBoard, InvariantsOnPuzzlesFullAndBrokenBoards) {
    for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
        Rng rng(seed);
        auto puzzle = std::make_unique<Board>(oracle::RandomPartialBoard(rng, 0.4));
        oracle::MakeGivens(*puzzle);
        oracle::RandomMarks(*puzzle, rng, 0.5);
        auto full = std::make_unique<Board>(oracle::RandomFullBoard(rng));
        auto broken = std::make_unique<Board>(oracle::RandomPartialBoard(rng, 0.6));
        oracle::PutRepeatedDigit(*broken, rng);
        for (bool symmetric : {true, false}) {
            ExpectInvariants(*puzzle, {seed, symmetric});
            ExpectInvariants(*full, {seed, symmetric});
            ExpectInvariants(*broken, {seed, symmetric});
        }
    }
}

TEST(ShuffleBoard, SymmetricOptionKeepsPointSymmetry) {
    int brokenByIndependent = 0;
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        Rng rng(seed * 31);
        auto board = std::make_unique<Board>(SymmetricPuzzle(rng));
        ASSERT_TRUE(GivensPointSymmetric(*board));
        auto independent = std::make_unique<Board>(*board);
        RandomSource random(seed), other(seed);
        ShuffleBoard(*board, random, true);
        EXPECT_TRUE(GivensPointSymmetric(*board)) << "seed " << seed;
        ShuffleBoard(*independent, other, false);
        brokenByIndependent += GivensPointSymmetric(*independent) ? 0 : 1;
    }
    // Without the option the exchanges are drawn one by one and the symmetry is lost.
    EXPECT_GT(brokenByIndependent, 15);
}

TEST(ShuffleBoard, EmptyBoardStaysEmptyAndSolutionsStaySolved) {
    auto empty = std::make_unique<Board>();
    RandomSource random(5);
    ShuffleBoard(*empty, random, true);
    EXPECT_EQ(FilledCopies(*empty), 0);
    EXPECT_EQ(CountGivens(*empty), 0);

    auto full = std::make_unique<Board>(oracle::FullBoard());
    ShuffleBoard(*full, random, false);
    EXPECT_TRUE(BoardValid(*full));
    CountDigits(*full);
    EXPECT_TRUE(AllDigitsComplete(*full));
}

TEST(ShuffleBoard, DisguisesTheBoard) {
    auto board = std::make_unique<Board>(oracle::FullBoard());
    const std::uint64_t before = Digest(*board);
    RandomSource a(1), b(2);
    auto other = std::make_unique<Board>(*board);
    ShuffleBoard(*board, a, true);
    ShuffleBoard(*other, b, true);
    EXPECT_NE(Digest(*board), before);
    EXPECT_NE(Digest(*board), Digest(*other));
}

TEST(ShuffleBoard, KnownAnswersForFixedSeeds) {
    // The lattice solution of the oracle, shuffled with fixed seeds. Any change in the order or number of
    // the draws changes these.
    auto symmetric = std::make_unique<Board>(oracle::FullBoard());
    auto independent = std::make_unique<Board>(oracle::FullBoard());
    RandomSource a(2024), b(2024);
    ShuffleBoard(*symmetric, a, true);
    ShuffleBoard(*independent, b, false);
    EXPECT_EQ(Digest(*symmetric), 7455276551685889412u);
    EXPECT_EQ(Digest(*independent), 4686192620314996244u);
    EXPECT_EQ(a.Next(), 16055533786833569498u);  // the generator's position after the shuffle
    std::string firstRow;
    for (int x = 1; x <= 9; ++x) firstRow += static_cast<char>('0' + symmetric->Cell(1, x, 1));
    EXPECT_EQ(firstRow, "168379254");
}

}  // namespace
}  // namespace drz
