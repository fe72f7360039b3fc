#include "storage/board_file.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <vector>

#include "storage/board_file_layout.h"
#include "storage/board_soundness.h"
#include "storage/safe_write.h"

namespace drz {

namespace fs = std::filesystem;

namespace {

bool ValidSlot(int slot) { return slot >= 0 && slot < kBoardSlots; }

bool ReadAt(std::ifstream& in, std::size_t offset, std::uint8_t* into, std::size_t count) {
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(reinterpret_cast<char*>(into), static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(in.gcount()) == count;
}

LoadOutcome Failed(LoadStatus status, std::string message) { return {status, std::move(message)}; }

LoadOutcome Damaged(const fs::path& file, int slot, const std::string& fault) {
    return Failed(LoadStatus::Damaged, "Brett " + std::to_string(slot + 1) + " in der Datei " + Quoted(file) +
                                           " ist beschädigt (" + fault + ").");
}

void MarksFromImage(Board& board) {
    board.SetAllMarks(false);
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                for (int d = 1; d <= 9; ++d) board.Mark(k, x, y, d) = board.CandidateImage[MarkIndex(k, x, y, d)] != 0;
}

// A level file deals any of its four boards: one that is no board damages the file, whichever slot was drawn.
std::optional<LoadOutcome> LevelFileFault(const fs::path& file) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) return std::nullopt;  // missing or unreadable: the load says so
    if (size < kFillerOffset)
        return Failed(LoadStatus::TooShort, "Die Stufendatei " + Quoted(file) + " ist zu kurz für vier Bretter.");
    auto board = std::make_unique<Board>();
    for (int slot = 0; slot < kBoardSlots; ++slot) {
        const LoadOutcome load = LoadBoardSlot(*board, file, slot);
        if (load.status == LoadStatus::Damaged) return load;
    }
    return std::nullopt;
}

}  // namespace

LoadOutcome LoadBoardSlot(Board& board, const fs::path& file, int slot) {
    if (!ValidSlot(slot))
        return Failed(LoadStatus::Unreadable, "Platz " + std::to_string(slot) + " gibt es nicht (0 bis 3).");
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (!fs::exists(status)) return Failed(LoadStatus::Missing, "Die Datei " + Quoted(file) + " fehlt.");
    if (!fs::is_regular_file(status)) return Failed(LoadStatus::Unreadable, Quoted(file) + " ist keine Datei.");
    const std::uintmax_t size = fs::file_size(file, ec);
    std::ifstream in(file, std::ios::binary);
    if (ec || !in) return Failed(LoadStatus::Unreadable, "Die Datei " + Quoted(file) + " kann nicht gelesen werden.");
    if (size < BoardBlocksEnd(slot))
        return Failed(LoadStatus::TooShort,
                      "Die Datei " + Quoted(file) + " ist zu kurz für Brett " + std::to_string(slot + 1) + ".");

    // Read and judge everything first, so a read error or a damaged slot leaves the board as it was.
    std::vector<std::uint8_t> tables(2 * kTableBytes);
    std::vector<std::uint8_t> marks;
    bool ok = ReadAt(in, CellBlockOffset(slot), tables.data(), tables.size());
    if (ok && size == kBoardFileSize) {
        marks.resize(kCandidateBytes);
        ok = ReadAt(in, CandidateBlockOffset(slot), marks.data(), marks.size());
    }
    if (!ok) return Failed(LoadStatus::Unreadable, "Die Datei " + Quoted(file) + " kann nicht gelesen werden.");
    std::optional<std::string> fault = BoardBlocksFault(tables.data());
    if (!fault && !marks.empty()) fault = CandidateBlockFault(marks.data());
    if (fault) return Damaged(file, slot, *fault);

    std::copy_n(tables.begin(), kTableBytes, board.CellValue.begin());
    std::copy_n(tables.begin() + kTableBytes, kTableBytes, board.GivenValue.begin());
    if (marks.empty()) return {LoadStatus::BoardsOnly, {}};
    std::copy(marks.begin(), marks.end(), board.CandidateImage.begin());
    MarksFromImage(board);
    return {LoadStatus::Loaded, {}};
}

const char* LevelFileName(int level) {
    static const char* const names[] = {"leicht.drz", "mittel.drz", "schwer.drz", "extrem.drz"};
    return names[std::clamp(level, 0, 3)];
}

DealOutcome DealLevelBoard(Board& board, int level, RandomSource& random, const fs::path& folder) {
    DealOutcome deal;
    deal.file = folder.empty() ? fs::path(LevelFileName(level)) : folder / LevelFileName(level);
    deal.slot = random.Random(kBoardSlots);
    if (std::optional<LoadOutcome> fault = LevelFileFault(deal.file)) {
        deal.load = *fault;
        return deal;
    }
    deal.load = LoadBoardSlot(board, deal.file, deal.slot);
    return deal;
}

}  // namespace drz
