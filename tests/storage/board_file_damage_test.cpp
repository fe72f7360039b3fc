// Board files that are damaged or shared: damaged slots and level boards refused, a file of the wrong length
// repaired with its sound boards kept and a copy beside it, leftovers of killed saves removed, and two
// processes saving into different slots at the same moment.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "board/geometry.h"
#include "board_file_fixture.h"
#include "storage/board_file.h"
#include "storage/board_file_layout.h"
#include "storage/slot_summary.h"

namespace drz {
namespace {

bool SameBoardBlocks(const Board& a, const Board& b) {
    return a.CellValue == b.CellValue && a.GivenValue == b.GivenValue;
}

TEST_F(BoardFileTest, SlotsWhoseBytesAreNoBoardAreDamagedAndChangeNothing) {
    const auto put = [](Bytes& bytes, std::size_t at, std::uint8_t v) { bytes[at] = v; };
    const std::size_t slot3 = CellBlockOffset(3), givens3 = GivenBlockOffset(3);
    std::vector<Bytes> damaged(5, Bytes(kBoardFileSize, 0));
    put(damaged[0], slot3 + CellIndex(5, 5, 5), 10);   // a digit above 9
    put(damaged[1], givens3 + CellIndex(2, 1, 4), 7);  // the given 7 twice in one row
    put(damaged[1], givens3 + CellIndex(2, 8, 4), 7);
    put(damaged[2], CandidateBlockOffset(3) + MarkIndex(3, 4, 5, 6), 0x01);  // a mark neither 0x00 nor 0xFF
    damaged[3] = Bytes(11200, 0xFF);                                         // of another length
    // A given stored only in the primary copy of a shared cell clashes, once copied, in the partner grid.
    const std::optional<CellRef> partner = PartnerCell(1, 7, 7);
    ASSERT_TRUE(partner && partner->k == 4);
    put(damaged[4], givens3 + CellIndex(1, 7, 7), 5);
    put(damaged[4], givens3 + CellIndex(4, partner->x, 9), 5);  // the same column of grid 4
    auto board = SampleBoard(1);
    const auto before = std::make_unique<Board>(*board);
    for (const Bytes& bytes : damaged) {
        Write(File(), bytes);
        const LoadOutcome load = LoadBoardSlot(*board, File(), 3);
        EXPECT_EQ(load.status, LoadStatus::Damaged) << "case " << &bytes - damaged.data();
        EXPECT_NE(load.message.find("Brett 4"), std::string::npos) << load.message;
        EXPECT_NE(load.message.find("beschädigt"), std::string::npos);
        EXPECT_TRUE(SummariseSlot(File(), 3).damaged);
        EXPECT_TRUE(SameBoardBlocks(*board, *before) && board->CandidateMark == before->CandidateMark);
    }
    EXPECT_FALSE(SummariseSlot(File("fehlt.drz"), 0).damaged);

    // Random bytes of random lengths never crash a load, and counts are never negative.
    std::mt19937_64 rng(5);
    for (int i = 0; i < 20; ++i) {
        Bytes bytes(rng() % 80000);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(rng() % (i < 10 ? 256 : 10));
        Write(File(), bytes);
        for (int slot = 0; slot < 4; ++slot) {
            LoadBoardSlot(*board, File(), slot);
            const SlotSummary s = SummariseSlot(File(), slot);
            EXPECT_TRUE(s.givens >= 0 && s.entries >= 0);
        }
    }
}

TEST_F(BoardFileTest, AWrongLengthFileKeepsItsSoundBoardsAndACopyBesideIt) {
    std::vector<std::unique_ptr<Board>> boards;
    for (int slot = 0; slot < 4; ++slot) {
        boards.push_back(SampleBoard(30 + slot));
        ASSERT_TRUE(SaveBoardSlot(*boards.back(), File(), slot, random_).saved);
    }
    Bytes cut = Read(File());
    cut.resize(BoardBlocksEnd(2) + 100);                // slot 3 lies outside
    cut[CellBlockOffset(1) + CellIndex(1, 1, 1)] = 12;  // slot 1 is damaged
    Write(File(), cut);

    auto fresh = SampleBoard(40);
    const SaveOutcome save = SaveBoardSlot(*fresh, File(), 0, random_);
    ASSERT_TRUE(save.saved) << save.message;
    EXPECT_EQ(Read(File()).size(), kBoardFileSize);
    EXPECT_EQ(Read(File("brett.drz.beschädigt")), cut);
    EXPECT_NE(save.notice.find("beschädigt"), std::string::npos);
    EXPECT_NE(save.notice.find("Brett 3"), std::string::npos) << save.notice;
    EXPECT_EQ(save.notice.find("Brett 2"), std::string::npos) << save.notice;
    EXPECT_NE(save.notice.find((folder_ / "brett.drz.beschädigt").string()), std::string::npos) << save.notice;
    auto loaded = std::make_unique<Board>();
    ASSERT_EQ(LoadBoardSlot(*loaded, File(), 2).status, LoadStatus::Loaded);
    EXPECT_TRUE(SameBoardBlocks(*loaded, *boards[2]));  // kept, without its marks
    ASSERT_EQ(LoadBoardSlot(*loaded, File(), 0).status, LoadStatus::Loaded);
    EXPECT_TRUE(SameBoardBlocks(*loaded, *fresh));
    for (int slot : {1, 3}) EXPECT_TRUE(SummariseSlot(File(), slot).Empty()) << slot;

    // The next save finds a sound file: nothing more to tell, no second copy. A second damage gets a copy of its own.
    EXPECT_TRUE(SaveBoardSlot(*fresh, File(), 1, random_).notice.empty());
    Write(File(), Bytes(kBoardFileSize + 1, 0));
    EXPECT_FALSE(SaveBoardSlot(*fresh, File(), 1, random_).notice.empty());
    EXPECT_EQ(Read(File("brett.drz.beschädigt-2")).size(), kBoardFileSize + 1);
}

TEST_F(BoardFileTest, BoardsThatBreakTheRulesInTheirGivensAreNotSaved) {
    auto board = std::make_unique<Board>();
    board->Given(4, 5, 2) = board->Cell(4, 5, 2) = 3;
    board->Given(4, 5, 5) = board->Cell(4, 5, 5) = 3;  // the same column
    const SaveOutcome save = SaveBoardSlot(*board, File(), 0, random_);
    EXPECT_FALSE(save.saved);
    EXPECT_NE(save.message.find("Vorgabe"), std::string::npos) << save.message;
    EXPECT_FALSE(fs::exists(File()));
}

TEST_F(BoardFileTest, ALevelFileWithADamagedBoardDealsNothing) {
    Bytes bytes(kBoardFileSize, 0);
    bytes[GivenBlockOffset(2) + CellIndex(9, 9, 9)] = 200;
    Write(File("mittel.drz"), bytes);
    for (std::uint64_t seed = 0; seed < 8; ++seed) {
        RandomSource random(seed);
        auto board = SampleBoard(2);
        const auto before = std::make_unique<Board>(*board);
        const DealOutcome deal = DealLevelBoard(*board, 1, random, folder_);
        EXPECT_EQ(deal.load.status, LoadStatus::Damaged);
        EXPECT_NE(deal.load.message.find("mittel.drz"), std::string::npos);
        EXPECT_TRUE(SameBoardBlocks(*board, *before));
    }
}

TEST_F(BoardFileTest, TheNextSaveRemovesWhatAKilledSaveLeft) {
    const std::vector<std::string> leftovers = {".brett.drz.0123456789abcdef.tmp", ".brett.drz.fedcba9876543210.tmp",
                                                ".Champions.Rhm.0123456789abcdef.tmp"};
    const std::vector<std::string> others = {".brett.drz.notiz.tmp", "brett.drz.0123456789abcdef.tmp"};
    for (const auto& name : leftovers) Write(File(name), Bytes(kBoardFileSize, 0));
    for (const auto& name : others) Write(File(name), Bytes(3, 0));
    ASSERT_TRUE(SaveBoardSlot(*SampleBoard(1), File(), 0, random_).saved);
    EXPECT_FALSE(fs::exists(File(leftovers[0])));
    EXPECT_FALSE(fs::exists(File(leftovers[1])));
    EXPECT_TRUE(fs::exists(File(leftovers[2])));  // another file's: its own writes remove it
    for (const auto& name : others) EXPECT_TRUE(fs::exists(File(name))) << name;
}

// Each process saves its own slot again and again and reads it back at once; a save that wrote back a stale
// copy of the other's slot shows as a board that is not the one last saved there.
int SaveRounds(const fs::path& file, int slot, int rounds) {
    RandomSource random(static_cast<std::uint64_t>(slot));
    auto board = std::make_unique<Board>();
    auto loaded = std::make_unique<Board>();
    int lost = 0;
    for (int r = 0; r < rounds; ++r) {
        board->Cell(1, 1, 1) = static_cast<std::uint8_t>(r % 9 + 1);
        board->Cell(1, 2, 1) = static_cast<std::uint8_t>(r / 9 % 9 + 1);
        board->Cell(1, 3, 1) = static_cast<std::uint8_t>(r / 81 % 9 + 1);
        if (!SaveBoardSlot(*board, file, slot, random).saved) ++lost;
        if (LoadBoardSlot(*loaded, file, slot).status != LoadStatus::Loaded || loaded->CellValue != board->CellValue)
            ++lost;
    }
    return lost;
}

TEST_F(BoardFileTest, TwoProcessesSavingIntoDifferentSlotsLoseNothing) {
    constexpr int kRounds = 100;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(std::min(SaveRounds(File(), 1, kRounds), 100));
    const int lostHere = SaveRounds(File(), 2, kRounds);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "saves of slot 2 lost";
    EXPECT_EQ(lostHere, 0) << "saves of slot 3 lost";
    auto board = std::make_unique<Board>();
    for (int slot : {1, 2}) {
        ASSERT_EQ(LoadBoardSlot(*board, File(), slot).status, LoadStatus::Loaded);
        EXPECT_EQ(board->Cell(1, 1, 1), (kRounds - 1) % 9 + 1) << slot;
    }
}

}  // namespace
}  // namespace drz
