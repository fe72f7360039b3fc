// What the solver does, checked directly: the order of the hooks, the pass limit, the retry, shared copies.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "board/board_ops.h"
#include "engine/place_digit.h"
#include "engine/rules.h"
#include "engine/solver.h"
#include "oracle/board_factory.h"
#include "oracle/literal_solver.h"
#include "oracle/puzzle_files.h"

namespace drz {
namespace {

using Events = std::vector<std::string>;

TEST(PlaceDigit, WritesBothCopiesOfASharedCell) {
    auto board = std::make_unique<Board>();
    PlaceDigit(*board, 4, 2, 8, 5);  // grid 4 bottom-left box is grid 6's top-right box
    EXPECT_EQ(board->Cell(4, 2, 8), 5);
    EXPECT_EQ(board->Cell(6, 8, 2), 5);
    PlaceDigit(*board, 6, 8, 2, 0);
    EXPECT_EQ(board->Cell(4, 2, 8), 0);
    PlaceDigit(*board, 7, 5, 5, 3);  // the centre of grid 7 has no partner
    EXPECT_EQ(board->Cell(7, 5, 5), 3);
    EXPECT_TRUE(std::all_of(board->GivenValue.begin(), board->GivenValue.end(), [](auto v) { return v == 0; }));
}

TEST(SolveBoard, SingleDigitCellsFillInOnePassAndTheHooksComeInOrder) {
    oracle::Rng rng(17);
    auto board = std::make_unique<Board>(oracle::RandomFullBoard(rng));
    oracle::MakeGivens(*board);
    // Three scattered cells emptied: each is a single-digit cell.
    for (auto [k, x, y] : {CellRef{1, 1, 1}, CellRef{7, 5, 5}, CellRef{13, 9, 9}}) {
        board->Cell(k, x, y) = 0;
        board->Given(k, x, y) = 0;
    }
    const auto solution = std::make_unique<Board>(oracle::RandomFullBoard(*std::make_unique<oracle::Rng>(17)));
    oracle::RecordingHooks hooks;
    const SolveResult result = SolveBoard(*board, hooks);
    EXPECT_EQ(result.passes, 2);
    EXPECT_EQ(result.placements, 3);
    EXPECT_TRUE(result.solved);
    const Events expected = {"begin",
                             "placed 1 1 1 " + std::to_string(solution->Cell(1, 1, 1)),
                             "placed 7 5 5 " + std::to_string(solution->Cell(7, 5, 5)),
                             "placed 13 9 9 " + std::to_string(solution->Cell(13, 9, 9)),
                             "judged solved",
                             "verdict Das Brett wurde gelöst! &Klasse",
                             "after verdict",
                             "end"};
    EXPECT_EQ(hooks.events, expected);
    EXPECT_EQ(board->Given(1, 1, 1), 0);  // placed cells are entries, not givens
    EXPECT_TRUE(board->CellValue == solution->CellValue);
}

TEST(SolveBoard, PlacementInASharedBoxCountsInThePartnerGridAtOnce) {
    oracle::Rng rng(23);
    auto board = std::make_unique<Board>(oracle::RandomFullBoard(rng));
    const auto solution = std::make_unique<Board>(*board);
    oracle::SetCellAndPartner(*board, 7, 8, 8, 0);  // grid 7 bottom-right = grid 10 top-left
    oracle::RecordingHooks hooks;
    SolveBoard(*board, hooks);
    // Found in grid 7 (the first grid holding the cell), written into grid 10 too.
    EXPECT_EQ(hooks.events[1], "placed 7 8 8 " + std::to_string(solution->Cell(7, 8, 8)));
    EXPECT_EQ(board->Cell(10, 2, 2), solution->Cell(10, 2, 2));
}

TEST(SolveBoard, EmptyBoardPlacesNothingAndAsksNoRetry) {
    auto board = std::make_unique<Board>();
    oracle::RecordingHooks hooks;
    const SolveCommandResult result = SolveCommand(*board, hooks);
    EXPECT_EQ(result.first.passes, 1);
    EXPECT_EQ(result.first.placements, 0);
    EXPECT_FALSE(result.retried);
    EXPECT_EQ(hooks.events[2], "verdict Das Brett läßt sich nicht eindeutig lösen? &Schade");
}

TEST(SolveBoard, StopsAfterFifteenPasses) {
    auto board = std::make_unique<Board>(oracle::LoadPuzzle("long-12.txt"));
    auto unlimited = std::make_unique<Board>(*board);
    SolveHooks quiet;
    const SolveResult result = SolveBoard(*board, quiet);
    EXPECT_EQ(result.passes, kMaxSolvePasses);
    EXPECT_FALSE(result.solved);
    // Sixteen productive passes finish it.
    const SolveResult more = ForcedPasses(*unlimited, quiet, 16);
    CountDigits(*unlimited);
    EXPECT_TRUE(AllDigitsComplete(*unlimited));
    EXPECT_GT(more.placements, result.placements);
}

TEST(SolveBoard, GivensAreNeverOverwritten) {
    for (const char* name : {"singles-3.txt", "stalled-21.txt"}) {
        auto board = std::make_unique<Board>(oracle::LoadPuzzle(name));
        const auto before = std::make_unique<Board>(*board);
        SolveHooks quiet;
        SolveCommand(*board, quiet);
        EXPECT_TRUE(board->GivenValue == before->GivenValue);
        for (int i = 0; i < kCellTableSize; ++i) {
            if (before->GivenValue[i] != 0) {
                EXPECT_EQ(board->CellValue[i], before->GivenValue[i]);
            }
        }
    }
}

TEST(SolveCommand, RepeatedEntryClearsEntriesAndSolvesFromTheGivens) {
    auto board = std::make_unique<Board>(oracle::LoadPuzzle("singles-3.txt"));
    // Grid 2, row 5: an entry repeating a given of the same row.
    int givenX = 0;
    for (int x = 1; x <= 9 && givenX == 0; ++x)
        if (board->Given(2, x, 5) != 0) givenX = x;
    ASSERT_NE(givenX, 0);
    for (int x = 1; x <= 9; ++x) {
        if (board->Cell(2, x, 5) != 0) continue;
        oracle::SetCellAndPartner(*board, 2, x, 5, board->Given(2, givenX, 5));
        break;
    }
    board->Mark(3, 3, 3, 3) = true;
    ASSERT_FALSE(BoardValid(*board));
    oracle::RecordingHooks hooks;
    const SolveCommandResult result = SolveCommand(*board, hooks);
    EXPECT_EQ(result.first.placements, 0);
    EXPECT_TRUE(result.retried);
    EXPECT_TRUE(result.second.solved);
    EXPECT_TRUE(result.Solved());
    const Events firstRun = {"begin",
                             "judged unsolved",
                             "verdict Das Brett läßt sich nicht eindeutig lösen? &Schade",
                             "after verdict",
                             "end",
                             "entries cleared",
                             "begin"};
    EXPECT_TRUE(std::equal(firstRun.begin(), firstRun.end(), hooks.events.begin()));
    EXPECT_EQ(hooks.events[hooks.events.size() - 3], "verdict Das Brett wurde gelöst! &Klasse");
    EXPECT_FALSE(board->Mark(3, 3, 3, 3));  // the marks went with the entries
}

TEST(SolveCommand, UnfinishedButAliveBoardIsNotRetried) {
    auto board = std::make_unique<Board>(oracle::LoadPuzzle("stalled-21.txt"));
    SolveHooks quiet;
    const SolveCommandResult result = SolveCommand(*board, quiet);
    EXPECT_FALSE(result.first.solved);
    EXPECT_FALSE(result.retried);
    EXPECT_TRUE(NoDeadCell(*board));
}

}  // namespace
}  // namespace drz
