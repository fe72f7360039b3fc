// A board file of any bytes and length, loaded into a slot and put through what the game does next: the
// counts, the status, the candidates, a forced solve, a shuffle, a save and a reload that gives the same
// board back; a slot whose bytes are no board loads nothing, and a file of another length is kept beside. Every file
// stays in the harness's own temporary folder.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include "board/board_ops.h"
#include "engine/rules.h"
#include "engine/shuffle.h"
#include "engine/solver.h"
#include "fuzz_folder.h"
#include "storage/board_file.h"
#include "storage/board_file_layout.h"

namespace {

using drz::Board;

void Fail(const char* what) {
    std::fprintf(stderr, "board file fuzz: %s\n", what);
    std::abort();
}

// The slot and the shuffle's seed come from the bytes, so a crash replays from its input alone.
std::uint64_t Checksum(const std::uint8_t* data, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 1099511628211ull;
    return hash;
}

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& file) {
    std::error_code ec;
    std::vector<std::uint8_t> bytes(std::filesystem::file_size(file, ec));
    std::ifstream in(file, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (ec || !in) bytes.clear();
    return bytes;
}

bool SameMarks(const Board& a, const Board& b) {
    for (int k = 1; k <= drz::kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                for (int d = 1; d <= 9; ++d)
                    if (a.Mark(k, x, y, d) != b.Mark(k, x, y, d)) return false;
    return true;
}

// Bytes outside the slot's blocks and the filler: what a save into a file of the right length keeps.
bool OtherSlotsKept(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& after, int slot) {
    if (after.size() != drz::kBoardFileSize) return false;
    for (std::size_t i = 0; i < after.size(); ++i) {
        const bool ownBoards = i >= drz::CellBlockOffset(slot) && i < drz::BoardBlocksEnd(slot);
        const bool filler = i >= drz::kFillerOffset && i < drz::kFillerOffset + drz::kFillerBytes;
        const bool ownMarks = i >= drz::CandidateBlockOffset(slot) && i < drz::CandidateBlockOffset(slot + 1);
        if (!ownBoards && !filler && !ownMarks && before[i] != after[i]) return false;
    }
    return true;
}

void PlayThrough(Board& board, drz::RandomSource& random, bool symmetric) {
    drz::CountGivens(board);
    drz::CountDigits(board);
    drz::BoardValid(board);
    drz::ComputeCandidates(board);
    drz::MergeSharedCandidates(board);
    drz::SolveHooks quiet;
    drz::SolveCommand(board, quiet);
    drz::ShuffleBoard(board, random, symmetric);
    drz::CountDigits(board);
    drz::ComputeCandidates(board);
    drz::MergeSharedCandidates(board);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = drz::fuzz::FuzzFolder() / drz::kPlayerBoardFile;
    drz::fuzz::WriteInput(file, data, size);
    const std::uint64_t checksum = Checksum(data, size);
    const int slot = static_cast<int>(checksum % drz::kBoardSlots);

    auto board = std::make_unique<Board>();
    const drz::LoadOutcome load = drz::LoadBoardSlot(*board, file, slot);
    if (!load.BoardChanged()) {
        if (size >= drz::BoardBlocksEnd(slot) && load.status != drz::LoadStatus::Damaged)
            Fail("a file long enough for the slot did not load");
        return 0;
    }
    drz::RandomSource random(checksum);
    PlayThrough(*board, random, (checksum >> 8) % 2 == 0);

    const drz::SaveOutcome save = drz::SaveBoardSlot(*board, file, slot, random);
    if (!save.saved) Fail(save.message.c_str());
    // A file of another length is kept beside as it was, and the player is told.
    const std::filesystem::path copy = file.string() + ".beschädigt";
    if (size != 0 && size != drz::kBoardFileSize &&
        (save.notice.empty() || ReadAll(copy) != std::vector<std::uint8_t>(data, data + size)))
        Fail("a file of another length was rewritten without its copy and a word");
    std::error_code ignored;
    std::filesystem::remove(copy, ignored);
    if (size == drz::kBoardFileSize && !OtherSlotsKept({data, data + size}, ReadAll(file), slot))
        Fail("a save changed another slot");

    auto reloaded = std::make_unique<Board>();
    if (drz::LoadBoardSlot(*reloaded, file, slot).status != drz::LoadStatus::Loaded)
        Fail("the saved slot did not load");
    if (reloaded->CellValue != board->CellValue || reloaded->GivenValue != board->GivenValue)
        Fail("the reloaded digits differ from the saved ones");
    if (!SameMarks(*reloaded, *board)) Fail("the reloaded candidate marks differ from the saved ones");
    return 0;
}
