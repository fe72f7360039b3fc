// Tests of the deal set: each deal is the game's own shuffle with its seed and mode.
#include <gtest/gtest.h>

#include <memory>

#include "engine/generator.h"
#include "engine/generator_deals.h"
#include "engine/shuffle.h"

namespace drz {
namespace {

TEST(DealSet, EveryDealIsShuffleBoardWithItsSeed) {
    RandomSource random(31);
    auto board = std::make_unique<Board>(GenerateBoard(kLevelBands[1], random).board);
    // Entries, a mark, a stray value and index-0 elements too: a deal leaves every table as ShuffleBoard does.
    board->Cell(5, 2, 3) = board->Cell(5, 2, 3) == 0 ? 4 : board->Cell(5, 2, 3);
    board->Mark(9, 1, 1, 7) = true;
    board->Cell(12, 9, 9) = 200;
    board->CellValue[CellIndex(0, 4, 4)] = 6;
    board->GivenValue[CellIndex(3, 0, 2)] = 8;
    auto dealt = std::make_unique<Board>();
    auto shuffled = std::make_unique<Board>();
    for (int deal = 0; deal < kShuffledDeals; ++deal) {
        DealBoard(*board, deal, *dealt);
        *shuffled = *board;
        RandomSource seeded(kDealSeedFirst + static_cast<std::uint64_t>(deal));
        ShuffleBoard(*shuffled, seeded, deal < kSymmetricDeals);
        ASSERT_EQ(dealt->CellValue, shuffled->CellValue) << "deal " << deal;
        ASSERT_EQ(dealt->GivenValue, shuffled->GivenValue) << "deal " << deal;
        ASSERT_EQ(dealt->CandidateMark, shuffled->CandidateMark) << "deal " << deal;
    }
    EXPECT_NE(dealt->CellValue, board->CellValue);
}

}  // namespace
}  // namespace drz
