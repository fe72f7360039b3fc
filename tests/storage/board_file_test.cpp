// Board files: the byte layout, round trips through all four slots, files of other lengths, failed saves, deals.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <vector>

#include "board_file_fixture.h"
#include "engine/random.h"
#include "storage/board_file.h"
#include "storage/board_file_layout.h"

namespace drz {
namespace {

// ----- Layout -----

TEST_F(BoardFileTest, SaveIntoAbsentFileWritesEveryByteWhereItBelongs) {
    auto board = SampleBoard(1);
    ASSERT_TRUE(SaveBoardSlot(*board, File(), 2, random_).saved);
    const Bytes bytes = Read(File());
    ASSERT_EQ(bytes.size(), 67929u);
    for (int i = 0; i < 1400; ++i) {
        EXPECT_EQ(bytes[5600 + i], board->CellValue[i]) << "CellValue element " << i;
        EXPECT_EQ(bytes[7000 + i], board->GivenValue[i]) << "GivenValue element " << i;
    }
    // One cell spelled out: grid 4, column 2, row 8 is element 4 + 28 + 1120.
    EXPECT_EQ(bytes[5600 + 4 + 14 * 2 + 140 * 8], board->Cell(4, 2, 8));
    for (int k = 0; k <= 13; ++k)
        for (int x = 0; x <= 9; ++x)
            for (int y = 0; y <= 9; ++y)
                for (int d = 0; d <= 9; ++d) {
                    const bool stored = k > 0 && x > 0 && y > 0 && d > 0 && board->Mark(k, x, y, d);
                    ASSERT_EQ(bytes[39929 + k + 14 * x + 140 * y + 1400 * d], stored ? 0xFF : 0x00);
                }
    // The other slots are empty; the filler holds digits 1..9.
    for (int slot : {0, 1, 3}) {
        EXPECT_TRUE(std::all_of(bytes.begin() + 2800 * slot, bytes.begin() + 2800 * slot + 2800,
                                [](auto b) { return b == 0; }));
        EXPECT_TRUE(std::all_of(bytes.begin() + 11929 + 14000 * slot, bytes.begin() + 11929 + 14000 * (slot + 1),
                                [](auto b) { return b == 0; }));
    }
    std::vector<int> seen(10, 0);
    for (int i = 11200; i < 11929; ++i) {
        ASSERT_GE(bytes[i], 1);
        ASSERT_LE(bytes[i], 9);
        ++seen[bytes[i]];
    }
    for (int d = 1; d <= 9; ++d) EXPECT_GT(seen[d], 40) << "filler digit " << d;
}

TEST_F(BoardFileTest, RoundTripThroughAllFourSlots) {
    std::vector<std::unique_ptr<Board>> boards;
    for (int slot = 0; slot < 4; ++slot) {
        boards.push_back(SampleBoard(10 + slot));
        ASSERT_TRUE(SaveBoardSlot(*boards.back(), File(), slot, random_).saved);
    }
    for (int slot = 0; slot < 4; ++slot) {
        auto loaded = std::make_unique<Board>();
        loaded->SetAllMarks(true);
        const LoadOutcome outcome = LoadBoardSlot(*loaded, File(), slot);
        EXPECT_EQ(outcome.status, LoadStatus::Loaded);
        EXPECT_TRUE(outcome.CandidatesReplaced());
        EXPECT_TRUE(loaded->CellValue == boards[slot]->CellValue);  // index 0 elements included
        EXPECT_TRUE(loaded->GivenValue == boards[slot]->GivenValue);
        EXPECT_TRUE(SameStoredMarks(*loaded, *boards[slot]));
        EXPECT_FALSE(loaded->Mark(0, 1, 1, 1));  // marks with an index 0 are not in the file
        EXPECT_FALSE(loaded->Mark(1, 1, 1, 0));
    }
}

TEST_F(BoardFileTest, SavingTwiceChangesOnlyTheFiller) {
    auto board = SampleBoard(3);
    ASSERT_TRUE(SaveBoardSlot(*board, File(), 1, random_).saved);
    const Bytes first = Read(File());
    ASSERT_TRUE(SaveBoardSlot(*board, File(), 1, random_).saved);
    const Bytes second = Read(File());
    ASSERT_EQ(first.size(), second.size());
    int fillerChanges = 0;
    for (std::size_t i = 0; i < first.size(); ++i) {
        if (i >= 11200 && i < 11929) {
            fillerChanges += first[i] != second[i] ? 1 : 0;
        } else {
            ASSERT_EQ(first[i], second[i]) << "byte " << i;
        }
    }
    EXPECT_GT(fillerChanges, 500);  // renewed at every save
}

TEST_F(BoardFileTest, OtherSlotsKeepTheirBytes) {
    for (int slot = 0; slot < 4; ++slot)
        ASSERT_TRUE(SaveBoardSlot(*SampleBoard(20 + slot), File(), slot, random_).saved);
    const Bytes before = Read(File());
    ASSERT_TRUE(SaveBoardSlot(*SampleBoard(99), File(), 2, random_).saved);
    const Bytes after = Read(File());
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool slotTwo = (i >= 5600 && i < 8400) || (i >= 39929 && i < 53929);
        const bool filler = i >= 11200 && i < 11929;
        if (!slotTwo && !filler) {
            ASSERT_EQ(before[i], after[i]) << "byte " << i;
        }
    }
}

TEST_F(BoardFileTest, SlotNeverSavedLoadsAsEmptyBoard) {
    ASSERT_TRUE(SaveBoardSlot(*SampleBoard(4), File(), 0, random_).saved);
    auto board = SampleBoard(5);
    const LoadOutcome outcome = LoadBoardSlot(*board, File(), 3);
    EXPECT_EQ(outcome.status, LoadStatus::Loaded);
    EXPECT_TRUE(std::all_of(board->CellValue.begin(), board->CellValue.end(), [](auto v) { return v == 0; }));
    EXPECT_TRUE(std::all_of(board->GivenValue.begin(), board->GivenValue.end(), [](auto v) { return v == 0; }));
    EXPECT_TRUE(std::none_of(board->CandidateMark.begin(), board->CandidateMark.end(), [](bool m) { return m; }));
}

// ----- Files of other lengths -----

TEST_F(BoardFileTest, FileOfOtherLengthGivesItsBoardsButKeepsTheMarks) {
    Bytes bytes(11200, 0);
    bytes[2800 * 2 + CellIndex(7, 3, 3)] = 5;
    bytes[2800 * 2 + 1400 + CellIndex(7, 3, 3)] = 5;
    Write(File(), bytes);
    auto board = std::make_unique<Board>();
    board->Mark(1, 1, 1, 1) = true;
    const LoadOutcome outcome = LoadBoardSlot(*board, File(), 2);
    EXPECT_EQ(outcome.status, LoadStatus::BoardsOnly);
    EXPECT_FALSE(outcome.CandidatesReplaced());
    EXPECT_EQ(board->Cell(7, 3, 3), 5);
    EXPECT_EQ(board->Given(7, 3, 3), 5);
    EXPECT_TRUE(board->Mark(1, 1, 1, 1));

    Bytes longer(70000, 0);
    longer[CellIndex(1, 1, 1)] = 9;
    Write(File("long.drz"), longer);
    EXPECT_EQ(LoadBoardSlot(*board, File("long.drz"), 0).status, LoadStatus::BoardsOnly);
    EXPECT_EQ(board->Cell(1, 1, 1), 9);
}

TEST_F(BoardFileTest, FileTooShortForTheSlotChangesNothing) {
    Bytes bytes(5000, 0);
    bytes[CellIndex(1, 1, 1)] = 4;
    Write(File(), bytes);
    auto board = SampleBoard(7);
    const auto before = std::make_unique<Board>(*board);
    for (int slot : {1, 2, 3}) {
        const LoadOutcome outcome = LoadBoardSlot(*board, File(), slot);
        EXPECT_EQ(outcome.status, LoadStatus::TooShort);
        EXPECT_FALSE(outcome.BoardChanged());
        EXPECT_NE(outcome.message.find("zu kurz"), std::string::npos);
    }
    EXPECT_TRUE(board->CellValue == before->CellValue);
    EXPECT_TRUE(board->GivenValue == before->GivenValue);
    EXPECT_TRUE(board->CandidateMark == before->CandidateMark);
    // Slot 0 fits in 5000 bytes.
    EXPECT_EQ(LoadBoardSlot(*board, File(), 0).status, LoadStatus::BoardsOnly);
    EXPECT_EQ(board->Cell(1, 1, 1), 4);
}

TEST_F(BoardFileTest, MissingFileOrBadSlotChangesNothing) {
    auto board = SampleBoard(8);
    const auto before = std::make_unique<Board>(*board);
    EXPECT_EQ(LoadBoardSlot(*board, File("fehlt.drz"), 0).status, LoadStatus::Missing);
    ASSERT_TRUE(SaveBoardSlot(*SampleBoard(9), File(), 0, random_).saved);
    EXPECT_EQ(LoadBoardSlot(*board, File(), 4).status, LoadStatus::Unreadable);
    EXPECT_EQ(LoadBoardSlot(*board, File(), -1).status, LoadStatus::Unreadable);
    EXPECT_EQ(LoadBoardSlot(*board, folder_, 0).status, LoadStatus::Unreadable);  // a folder
    EXPECT_TRUE(board->CellValue == before->CellValue);
    EXPECT_FALSE(SaveBoardSlot(*board, File(), 4, random_).saved);
}

// ----- Failed saves -----

TEST_F(BoardFileTest, SaveIntoMissingFolderFailsWithGermanMessageNamingTheFile) {
    const fs::path file = folder_ / "gibt-es-nicht" / "brett.drz";
    const SaveOutcome outcome = SaveBoardSlot(*SampleBoard(1), file, 0, random_);
    EXPECT_FALSE(outcome.saved);
    EXPECT_NE(outcome.message.find(file.string()), std::string::npos);
    EXPECT_NE(outcome.message.find("konnte nicht"), std::string::npos);
    EXPECT_NE(outcome.message.find("Ordner fehlt"), std::string::npos);
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(BoardFileTest, SaveOntoAFolderFails) {
    fs::create_directory(File());
    const SaveOutcome outcome = SaveBoardSlot(*SampleBoard(1), File(), 0, random_);
    EXPECT_FALSE(outcome.saved);
    EXPECT_NE(outcome.message.find("Ordner"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(File()));
}

TEST_F(BoardFileTest, ReadOnlyFileStaysAsItWas) {
    ASSERT_TRUE(SaveBoardSlot(*SampleBoard(1), File(), 0, random_).saved);
    const Bytes before = Read(File());
    fs::permissions(File(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const SaveOutcome outcome = SaveBoardSlot(*SampleBoard(2), File(), 1, random_);
    EXPECT_FALSE(outcome.saved);
    EXPECT_NE(outcome.message.find("schreibgeschützt"), std::string::npos);
    EXPECT_EQ(Read(File()), before);
}

TEST_F(BoardFileTest, SavesLeaveNoTemporaryFilesAndKeepPermissions) {
    ASSERT_TRUE(SaveBoardSlot(*SampleBoard(1), File(), 0, random_).saved);
    fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(SaveBoardSlot(*SampleBoard(2), File(), 1, random_).saved);
    EXPECT_FALSE(SaveBoardSlot(*SampleBoard(3), folder_ / "x" / "y.drz", 0, random_).saved);
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder_)) entries.push_back(entry.path().filename());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"brett.drz", "brett.drz.lock"}));
    EXPECT_EQ(fs::status(File()).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(BoardFileTest, SaveThroughALinkWritesTheFileItPointsTo) {
    ASSERT_TRUE(SaveBoardSlot(*SampleBoard(1), File("echt.drz"), 0, random_).saved);
    fs::create_symlink("echt.drz", File());
    auto board = SampleBoard(2);
    ASSERT_TRUE(SaveBoardSlot(*board, File(), 0, random_).saved);
    EXPECT_TRUE(fs::is_symlink(File()));
    auto loaded = std::make_unique<Board>();
    ASSERT_EQ(LoadBoardSlot(*loaded, File("echt.drz"), 0).status, LoadStatus::Loaded);
    EXPECT_TRUE(loaded->CellValue == board->CellValue);
}

// ----- Level files -----

TEST_F(BoardFileTest, DealingTakesTheDrawnSlotOfTheLevelFile) {
    EXPECT_STREQ(LevelFileName(0), "leicht.drz");
    EXPECT_STREQ(LevelFileName(1), "mittel.drz");
    EXPECT_STREQ(LevelFileName(2), "schwer.drz");
    EXPECT_STREQ(LevelFileName(3), "extrem.drz");
    Bytes bytes(67929, 0);
    for (int slot = 0; slot < 4; ++slot) bytes[2800 * slot + CellIndex(1, 1, 1)] = static_cast<std::uint8_t>(slot + 1);
    Write(File("schwer.drz"), bytes);
    std::vector<int> dealt(4, 0);
    for (std::uint64_t seed = 0; seed < 40; ++seed) {
        RandomSource random(seed), twin(seed);
        auto board = std::make_unique<Board>();
        const DealOutcome deal = DealLevelBoard(*board, 2, random, folder_);
        EXPECT_EQ(deal.slot, twin.Random(4));
        EXPECT_EQ(deal.file, File("schwer.drz"));
        EXPECT_EQ(deal.load.status, LoadStatus::Loaded);
        EXPECT_EQ(board->Cell(1, 1, 1), deal.slot + 1);
        ++dealt[deal.slot];
    }
    for (int count : dealt) EXPECT_GT(count, 0);
    auto board = std::make_unique<Board>();
    RandomSource random(1);
    EXPECT_EQ(DealLevelBoard(*board, 0, random, folder_).load.status, LoadStatus::Missing);
}

TEST_F(BoardFileTest, ALevelFileShortOfFourBoardsDealsNothingWhicheverSlotIsDrawn) {
    Bytes bytes(2800 * 3 + 5, 7);  // slots 0..2 readable, slot 3 not
    Write(File("leicht.drz"), bytes);
    for (std::uint64_t seed = 0; seed < 12; ++seed) {
        RandomSource random(seed);
        auto board = std::make_unique<Board>();
        const DealOutcome deal = DealLevelBoard(*board, 0, random, folder_);
        EXPECT_EQ(deal.load.status, LoadStatus::TooShort);
        EXPECT_FALSE(deal.load.BoardChanged());
        EXPECT_EQ(board->Cell(1, 1, 1), 0);
    }
    Write(File("leicht.drz"), Bytes(11200, 0));  // just the four board blocks: a good level file
    RandomSource random(3);
    auto board = std::make_unique<Board>();
    EXPECT_EQ(DealLevelBoard(*board, 0, random, folder_).load.status, LoadStatus::BoardsOnly);
}

}  // namespace
}  // namespace drz
