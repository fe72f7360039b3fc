// Saving a slot into a board file that other games in the folder may save into at the same moment: under the
// file's lock the file is read again, the slot goes into what is there, and the file is replaced whole. A file
// of the wrong length keeps the sound boards that lie inside it and is first copied aside.
#include <algorithm>
#include <fstream>

#include "storage/board_file.h"
#include "storage/board_file_bytes.h"
#include "storage/board_file_layout.h"
#include "storage/board_soundness.h"
#include "storage/file_lock.h"
#include "storage/safe_write.h"

namespace drz {

namespace fs = std::filesystem;

namespace {

constexpr int kMostCopies = 100;

bool ReadHead(const fs::path& file, std::size_t count, std::vector<std::uint8_t>& into) {
    into.assign(count, 0);
    std::ifstream in(file, std::ios::binary);
    in.read(reinterpret_cast<char*>(into.data()), static_cast<std::streamsize>(count));
    return in && static_cast<std::size_t>(in.gcount()) == count;
}

bool IsEmptySlot(const std::uint8_t* boardBlocks) {
    return std::all_of(boardBlocks, boardBlocks + 2 * kTableBytes, [](std::uint8_t b) { return b == 0; });
}

// What a save into a file of the wrong length did with it.
struct Repair {
    std::uintmax_t length = 0;
    std::vector<int> kept;  // the other slots that held a sound board, now in the rewritten file
    fs::path copy;          // the damaged file as it was
};

// The damaged file copied beside itself as "brett.drz.beschädigt" (or "-2", "-3", ... when taken).
std::optional<std::string> CopyAside(const fs::path& file, Repair& repair) {
    std::error_code ec;
    for (int n = 1; n <= kMostCopies; ++n) {
        fs::path copy = file;
        copy += ".beschädigt" + (n == 1 ? std::string() : "-" + std::to_string(n));
        if (fs::exists(fs::symlink_status(copy, ec))) continue;
        if (fs::copy_file(file, copy, fs::copy_options::none, ec)) {
            repair.copy = fs::absolute(copy, ec);
            return std::nullopt;
        }
        fs::remove(copy, ec);
        return "Die beschädigte Datei konnte nicht als " + Quoted(copy) + " aufbewahrt werden.";
    }
    return "Für eine Kopie der beschädigten Datei ist kein Name mehr frei.";
}

// Every other slot that lies wholly inside the damaged file and holds a sound board goes into the new bytes.
void KeepSoundSlots(const std::vector<std::uint8_t>& head, int savedSlot, BoardFileBytes& bytes, Repair& repair) {
    for (int s = 0; s < kBoardSlots; ++s) {
        if (s == savedSlot || BoardBlocksEnd(s) > head.size()) continue;
        const std::uint8_t* blocks = head.data() + CellBlockOffset(s);
        if (BoardBlocksFault(blocks) || IsEmptySlot(blocks)) continue;
        std::copy_n(blocks, 2 * kTableBytes, bytes.begin() + CellBlockOffset(s));
        repair.kept.push_back(s);
    }
}

std::string RepairNotice(const fs::path& file, const Repair& repair) {
    std::string kept;
    for (int s : repair.kept) kept += (kept.empty() ? "Brett " : ", Brett ") + std::to_string(s + 1);
    return "Die Datei " + Quoted(file) + " war beschädigt (" + std::to_string(repair.length) + " statt " +
           std::to_string(kBoardFileSize) + " Bytes) und wurde beim Sichern in der richtigen Länge neu geschrieben.\n" +
           (kept.empty() ? std::string("Kein anderes Brett darin war lesbar.")
                         : "Behalten wurden die lesbaren Bretter: " + kept + " (ohne Kandidaten).") +
           "\nDie beschädigte Datei liegt unverändert in " + Quoted(repair.copy) + ".";
}

// The content the save starts from, read under the lock: the file of the right length, or an empty file
// holding what a file of another length kept. Nothing when the file cannot be read or kept aside.
std::optional<std::string> StartingContent(const fs::path& file, int slot, RandomSource& random, BoardFileBytes& bytes,
                                           std::optional<Repair>& repair) {
    std::error_code ec;
    const bool regular = fs::is_regular_file(file, ec);
    const std::uintmax_t length = regular ? fs::file_size(file, ec) : 0;
    if (regular && length == kBoardFileSize) {
        if (!ReadHead(file, kBoardFileSize, bytes)) return "Die Datei kann nicht gelesen werden.";
        return std::nullopt;
    }
    bytes = EmptyBoardFile(random);
    if (!regular || length == 0) return std::nullopt;  // nothing in it to keep
    std::vector<std::uint8_t> head;
    if (!ReadHead(file, std::min<std::uintmax_t>(length, kFillerOffset), head))
        return "Die Datei kann nicht gelesen werden.";
    repair.emplace();
    repair->length = length;
    if (std::optional<std::string> reason = CopyAside(file, *repair)) return reason;
    KeepSoundSlots(head, slot, bytes, *repair);
    return std::nullopt;
}

}  // namespace

SaveOutcome SaveBoardSlot(const Board& board, const fs::path& file, int slot, RandomSource& random) {
    const std::string failed = "Das Brett konnte nicht in der Datei " + Quoted(file) + " gesichert werden. ";
    if (slot < 0 || slot >= kBoardSlots)
        return {false, failed + "Platz " + std::to_string(slot) + " gibt es nicht.", {}};
    if (std::optional<std::string> fault = BoardFault(board))
        return {false, failed + "Es ist kein gültiges Brett: " + *fault + ".", {}};

    const FileLock lock(LockFileFor(file.string()));
    RemoveLeftoverTemporaries(file);
    BoardFileBytes bytes;
    std::optional<Repair> repair;
    if (std::optional<std::string> reason = StartingContent(file, slot, random, bytes, repair))
        return {false, failed + *reason, {}};
    PutBoard(bytes, board, slot, random);
    if (std::optional<std::string> reason = ReplaceFileContent(file, bytes)) return {false, failed + *reason, {}};
    return {true, {}, repair ? RepairNotice(file, *repair) : std::string()};
}

}  // namespace drz
