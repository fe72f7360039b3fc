#include "storage/board_file.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "storage/board_file_layout.h"
#include "storage/safe_write.h"

namespace drz {

namespace fs = std::filesystem;

namespace {

std::string Quoted(const fs::path& file) { return "\"" + file.string() + "\""; }

bool ValidSlot(int slot) { return slot >= 0 && slot < kBoardSlots; }

bool ReadAt(std::ifstream& in, std::size_t offset, std::uint8_t* into, std::size_t count) {
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(reinterpret_cast<char*>(into), static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(in.gcount()) == count;
}

LoadOutcome Failed(LoadStatus status, std::string message) { return {status, std::move(message)}; }

void MarksFromImage(Board& board) {
    board.SetAllMarks(false);
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                for (int d = 1; d <= 9; ++d) board.Mark(k, x, y, d) = board.CandidateImage[MarkIndex(k, x, y, d)] != 0;
}

void PutFiller(std::vector<std::uint8_t>& bytes, RandomSource& random) {
    for (std::size_t i = 0; i < kFillerBytes; ++i)
        bytes[kFillerOffset + i] = static_cast<std::uint8_t>(random.Random(9) + 1);
}

// The bytes of a file of the right length, or an empty file rebuilt as the save describes it. False
// when a file of the right length cannot be read: its other slots must not be lost.
bool StartingContent(const fs::path& file, RandomSource& random, std::vector<std::uint8_t>& bytes) {
    bytes.assign(kBoardFileSize, 0);
    std::error_code ec;
    if (fs::is_regular_file(file, ec) && fs::file_size(file, ec) == kBoardFileSize) {
        std::ifstream in(file, std::ios::binary);
        return in && ReadAt(in, 0, bytes.data(), kBoardFileSize);
    }
    PutFiller(bytes, random);
    return true;
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
                      "Die Datei " + Quoted(file) + " ist zu kurz für Platz " + std::to_string(slot) + ".");

    // Read everything first, so a read error leaves the board as it was.
    std::vector<std::uint8_t> tables(2 * kTableBytes);
    std::vector<std::uint8_t> marks;
    bool ok = ReadAt(in, CellBlockOffset(slot), tables.data(), tables.size());
    if (ok && size == kBoardFileSize) {
        marks.resize(kCandidateBytes);
        ok = ReadAt(in, CandidateBlockOffset(slot), marks.data(), marks.size());
    }
    if (!ok) return Failed(LoadStatus::Unreadable, "Die Datei " + Quoted(file) + " kann nicht gelesen werden.");

    std::copy_n(tables.begin(), kTableBytes, board.CellValue.begin());
    std::copy_n(tables.begin() + kTableBytes, kTableBytes, board.GivenValue.begin());
    if (marks.empty()) return {LoadStatus::BoardsOnly, {}};
    std::copy(marks.begin(), marks.end(), board.CandidateImage.begin());
    MarksFromImage(board);
    return {LoadStatus::Loaded, {}};
}

SaveOutcome SaveBoardSlot(const Board& board, const fs::path& file, int slot, RandomSource& random) {
    const std::string failed = "Das Brett konnte nicht in der Datei " + Quoted(file) + " gesichert werden. ";
    if (!ValidSlot(slot)) return {false, failed + "Platz " + std::to_string(slot) + " gibt es nicht."};
    std::vector<std::uint8_t> bytes;
    if (!StartingContent(file, random, bytes)) return {false, failed + "Die Datei kann nicht gelesen werden."};
    std::copy(board.CellValue.begin(), board.CellValue.end(), bytes.begin() + CellBlockOffset(slot));
    std::copy(board.GivenValue.begin(), board.GivenValue.end(), bytes.begin() + GivenBlockOffset(slot));
    PutFiller(bytes, random);
    std::uint8_t* image = bytes.data() + CandidateBlockOffset(slot);
    std::fill(image, image + kCandidateBytes, 0);
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                for (int d = 1; d <= 9; ++d) image[MarkIndex(k, x, y, d)] = board.Mark(k, x, y, d) ? 0xFF : 0x00;
    if (auto reason = ReplaceFileContent(file, bytes)) return {false, failed + *reason};
    return {true, {}};
}

const char* LevelFileName(int level) {
    static const char* const names[] = {"leicht.drz", "mittel.drz", "schwer.drz", "extrem.drz"};
    return names[std::clamp(level, 0, 3)];
}

DealOutcome DealLevelBoard(Board& board, int level, RandomSource& random, const fs::path& folder) {
    DealOutcome deal;
    deal.file = folder.empty() ? fs::path(LevelFileName(level)) : folder / LevelFileName(level);
    deal.slot = random.Random(kBoardSlots);
    // A level file holds all four boards; one that does not is damaged, whichever slot was drawn.
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(deal.file, ec);
    if (!ec && size < kFillerOffset) {
        deal.load =
            Failed(LoadStatus::TooShort, "Die Stufendatei " + Quoted(deal.file) + " ist zu kurz für vier Bretter.");
        return deal;
    }
    deal.load = LoadBoardSlot(board, deal.file, deal.slot);
    return deal;
}

}  // namespace drz
