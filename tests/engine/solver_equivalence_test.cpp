// The fast solver against the literal one: the same calls to the hooks (every placement in order, the
// verdicts, the retry), the same results and the same board afterwards, on many seeded boards.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <span>
#include <string>

#include "board/board_ops.h"
#include "engine/solver.h"
#include "oracle/board_factory.h"
#include "oracle/lattice.h"
#include "oracle/literal_solver.h"
#include "oracle/puzzle_files.h"

namespace drz {
namespace {

using oracle::Rng;

// The literal solver sweeps the whole board for every trial; debug and sanitizer builds try fewer boards.
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
constexpr int kScale = 6;
#else
constexpr int kScale = 1;
#endif

int Boards(int count) { return count / kScale > 0 ? count / kScale : 1; }

void ExpectSameResult(const SolveResult& fast, const SolveResult& literal) {
    EXPECT_EQ(fast.passes, literal.passes);
    EXPECT_EQ(fast.placements, literal.placements);
    EXPECT_EQ(fast.solved, literal.solved);
}

// Runs both SolveCommands on copies of `board` and compares everything they did. Returns the fast result.
SolveCommandResult ExpectSameCommand(const Board& board, const std::string& what) {
    SCOPED_TRACE(what);
    auto fastBoard = std::make_unique<Board>(board);
    auto literalBoard = std::make_unique<Board>(board);
    oracle::RecordingHooks fastHooks, literalHooks;
    const SolveCommandResult fast = SolveCommand(*fastBoard, fastHooks);
    const SolveCommandResult literal = oracle::LiteralSolveCommand(*literalBoard, literalHooks);
    EXPECT_EQ(fastHooks.events, literalHooks.events);
    ExpectSameResult(fast.first, literal.first);
    EXPECT_EQ(fast.retried, literal.retried);
    if (fast.retried && literal.retried) ExpectSameResult(fast.second, literal.second);
    EXPECT_TRUE(fastBoard->CellValue == literalBoard->CellValue);
    EXPECT_TRUE(fastBoard->GivenValue == literalBoard->GivenValue);
    EXPECT_TRUE(fastBoard->CandidateMark == literalBoard->CandidateMark);
    EXPECT_TRUE(fastBoard->DigitCount == literalBoard->DigitCount);
    return fast;
}

// A partial solution whose filled cells are givens.
Board GivenPuzzle(Rng& rng, double fill) {
    Board board = oracle::RandomPartialBoard(rng, fill);
    oracle::MakeGivens(board);
    return board;
}

double Between(Rng& rng, double low, double high) { return low + (high - low) * oracle::Below(rng, 1001) / 1000.0; }

// What a family of boards led to, so a test can check that its boards exercise what it is about.
struct Tally {
    int boards = 0, solved = 0, retried = 0, placedNothing = 0;
};

// Each family of boards with its own seeds; `make` builds board number i.
Tally CompareFamily(const std::string& family, int count, const std::function<Board(Rng&)>& make) {
    Tally tally;
    for (int i = 0; i < Boards(count); ++i) {
        Rng rng(0xD5E1 + 7919 * i + family.size() * 104729 + static_cast<unsigned char>(family[0]));
        auto board = std::make_unique<Board>(make(rng));
        const SolveCommandResult result = ExpectSameCommand(*board, family + " #" + std::to_string(i));
        ++tally.boards;
        tally.solved += result.Solved() ? 1 : 0;
        tally.retried += result.retried ? 1 : 0;
        tally.placedNothing += result.first.placements == 0 ? 1 : 0;
        if (::testing::Test::HasFailure()) break;  // one failing board tells enough
    }
    return tally;
}

TEST(SolverEquivalence, DenseGivenPuzzles) {
    const Tally tally = CompareFamily("dense", 150, [](Rng& rng) { return GivenPuzzle(rng, Between(rng, 0.6, 0.95)); });
    EXPECT_GT(tally.solved, 0);
    EXPECT_EQ(tally.retried, 0);
}

TEST(SolverEquivalence, SparsePuzzlesThatStall) {
    const Tally tally =
        CompareFamily("sparse", 12, [](Rng& rng) { return GivenPuzzle(rng, Between(rng, 0.25, 0.55)); });
    EXPECT_LT(tally.solved, tally.boards);
}

TEST(SolverEquivalence, PuzzlesWithCorrectEntries) {
    // Entries (not givens) of the solution on top of the givens: no retry, the entries stay.
    const Tally tally = CompareFamily("entries", 30, [](Rng& rng) {
        const double givens = Between(rng, 0.4, 0.7), entries = Between(rng, 0.05, 0.3);
        Board board = oracle::RandomFullBoard(rng);
        for (const auto& [X, Y] : oracle::BoardLatticeCells()) {
            const oracle::LatticeCopies copies = oracle::CopiesOf(X, Y);
            const bool given = oracle::Chance(rng, givens), entry = !given && oracle::Chance(rng, entries);
            for (int c = 0; c < copies.count; ++c) {
                const auto [k, x, y] = copies.copy[c];
                if (given) board.Given(k, x, y) = board.Cell(k, x, y);
                if (!given && !entry) board.Cell(k, x, y) = 0;
            }
        }
        return board;
    });
    EXPECT_EQ(tally.retried, 0);
}

TEST(SolverEquivalence, WrongEntriesThatKillACell) {
    // A digit that fits where it stands but is not the solution's: often some empty cell ends with no
    // digit, and the command starts again from the givens.
    const Tally tally = CompareFamily("wrong entry", 60, [](Rng& rng) {
        Board board = GivenPuzzle(rng, Between(rng, 0.55, 0.85));
        for (int tries = 0; tries < 1000; ++tries) {
            const int k = 1 + oracle::Below(rng, 13), x = 1 + oracle::Below(rng, 9), y = 1 + oracle::Below(rng, 9);
            const int d = 1 + oracle::Below(rng, 9);
            if (board.Cell(k, x, y) != 0 || !oracle::DigitFits(board, k, x, y, d)) continue;
            oracle::SetCellAndPartner(board, k, x, y, static_cast<std::uint8_t>(d));
            break;
        }
        return board;
    });
    EXPECT_GT(tally.retried, 0);
    EXPECT_LT(tally.retried, tally.boards);
}

TEST(SolverEquivalence, RepeatedDigits) {
    // Every trial fails: nothing is placed, the entries go, and the givens are solved again.
    const Tally tally = CompareFamily("repeated", 40, [](Rng& rng) {
        Board board = GivenPuzzle(rng, Between(rng, 0.6, 0.9));
        oracle::PutRepeatedDigit(board, rng);
        return board;
    });
    EXPECT_EQ(tally.placedNothing, tally.boards);
    EXPECT_GT(tally.retried, 0);
}

TEST(SolverEquivalence, RepeatedGivens) {
    // The repetition is among the givens themselves: it survives the retry.
    CompareFamily("repeated given", 12, [](Rng& rng) {
        Board board = oracle::RandomPartialBoard(rng, Between(rng, 0.7, 0.95));
        oracle::PutRepeatedDigit(board, rng);
        oracle::MakeGivens(board);
        return board;
    });
}

TEST(SolverEquivalence, DeadCellsWithoutGivens) {
    // Consistent random entries often leave a cell without a digit; with no givens the retry runs on an
    // empty board.
    const Tally tally = CompareFamily(
        "consistent", 4, [](Rng& rng) { return oracle::RandomConsistentBoard(rng, 300 + oracle::Below(rng, 600)); });
    EXPECT_GT(tally.retried, 0);
}

TEST(SolverEquivalence, UnequalSharedCopies) {
    // Copies of a shared cell that disagree: a trial at the empty copy empties the other one too.
    const Tally tally = CompareFamily("unequal", 60, [](Rng& rng) {
        Board board = GivenPuzzle(rng, Between(rng, 0.55, 0.95));
        oracle::MakeCopiesUnequal(board, rng, 1 + oracle::Below(rng, 12));
        return board;
    });
    EXPECT_GT(tally.placedNothing, 0);
    EXPECT_LT(tally.placedNothing, tally.boards);
}

TEST(SolverEquivalence, NoiseAndStrayValues) {
    CompareFamily("noise", 12, [](Rng& rng) {
        Board board = oracle::NoiseBoard(rng, Between(rng, 0.02, 0.5));
        oracle::MakeGivens(board);
        return board;
    });
    CompareFamily("stray", 24, [](Rng& rng) {
        Board board = GivenPuzzle(rng, Between(rng, 0.6, 0.95));
        oracle::PutStrayValues(board, rng, 1 + oracle::Below(rng, 8));
        return board;
    });
}

TEST(SolverEquivalence, MarksAndIndexZeroAreCarriedAlong) {
    CompareFamily("marks", 12, [](Rng& rng) {
        Board board = GivenPuzzle(rng, Between(rng, 0.6, 0.95));
        oracle::RandomMarks(board, rng, 0.3);
        oracle::ScribbleIndexZero(board, rng);
        return board;
    });
}

TEST(SolverEquivalence, EmptyAndFullBoards) {
    auto empty = std::make_unique<Board>(oracle::EmptyBoard());
    const SolveCommandResult onEmpty = ExpectSameCommand(*empty, "empty");
    EXPECT_EQ(onEmpty.first.passes, 1);
    EXPECT_EQ(onEmpty.first.placements, 0);
    EXPECT_FALSE(onEmpty.retried);

    Rng rng(5);
    auto full = std::make_unique<Board>(oracle::RandomFullBoard(rng));
    const SolveCommandResult onFull = ExpectSameCommand(*full, "full");
    EXPECT_TRUE(onFull.first.solved);
    EXPECT_EQ(onFull.first.passes, 1);
}

TEST(SolverEquivalence, CommittedPuzzles) {
    // The long ones run all fifteen passes over about 700 empty cells in the literal solver.
    const char* names[] = {"stalled-21.txt", "singles-2.txt", "long-12.txt", "singles-6.txt", "long-8.txt"};
    for (const char* name : std::span(names).first(kScale == 1 ? 5 : 1)) {
        auto board = std::make_unique<Board>(oracle::LoadPuzzle(name));
        ExpectSameCommand(*board, name);
    }
}

TEST(SolverEquivalence, PassesBeyondTheLimit) {
    // Without the limit both go on to the same end.
    auto board = std::make_unique<Board>(oracle::LoadPuzzle("long-12.txt"));
    auto literalBoard = std::make_unique<Board>(*board);
    oracle::RecordingHooks fastHooks, literalHooks;
    const SolveResult fast = ForcedPasses(*board, fastHooks, 40);
    EXPECT_EQ(fast.passes, 17);
    if (kScale > 1) return;  // seventeen literal passes take minutes in a sanitizer build
    const SolveResult literal = oracle::LiteralForcedPasses(*literalBoard, literalHooks, 40);
    ExpectSameResult(fast, literal);
    EXPECT_EQ(fastHooks.events, literalHooks.events);
}

}  // namespace
}  // namespace drz
