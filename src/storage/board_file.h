// board_file.h — loading and saving one slot of a board file (67929 bytes, four slots), and dealing a level board.
#pragma once

#include <filesystem>
#include <string>

#include "board/board.h"
#include "engine/random.h"

namespace drz {

// The player's board file; bare names are taken in the working folder.
inline constexpr const char* kPlayerBoardFile = "brett.drz";

enum class LoadStatus {
    Loaded,      // board blocks and candidate marks of the slot read
    BoardsOnly,  // a file of another length: CellValue and GivenValue read, marks kept
    Missing,     // no such file: nothing changed
    TooShort,    // the file ends before the board blocks of the slot: nothing changed
    Damaged,     // the slot's bytes are no board (a digit above 9, givens against the rules, a mark byte
                 // other than 0x00/0xFF): nothing changed
    Unreadable,  // the file exists but cannot be read (or the slot is not 0..3): nothing changed
};

struct LoadOutcome {
    LoadStatus status = LoadStatus::Missing;
    std::string message;  // German, naming the file and the slot, for a message box or a tool

    bool BoardChanged() const { return status == LoadStatus::Loaded || status == LoadStatus::BoardsOnly; }
    // The slot's marks replaced CandidateMark: the caller sets ShowCandidates to false.
    bool CandidatesReplaced() const { return status == LoadStatus::Loaded; }
};

// LoadBoardSlot: reads the 1400-byte CellValue and GivenValue images of slot 0..3 (index 0 elements
// included) and, from a file of exactly 67929 bytes, the slot's candidate block (CandidateImage as read;
// CandidateMark(k, x, y, d) for grids, columns, rows and digits from 1 set where the byte is 0xFF, every
// other mark false). All or nothing: a file that is missing, unreadable or too short for the slot, or a slot
// whose bytes are no board, leaves the board as it was. The caller clears ClockRunning in every case.
LoadOutcome LoadBoardSlot(Board& board, const std::filesystem::path& file, int slot);

struct SaveOutcome {
    bool saved = false;
    std::string message;  // on failure: German, naming the file, for a message box
    std::string notice;   // after a save into a damaged file: German, what was kept and where the copy is
};

// SaveBoardSlot: the file with the board in slot 0..3 (CellValue and GivenValue images, marks 1..9 as
// 0xFF/0x00, every index 0 element of the candidate block 0) and 729 fresh filler digits 1..9. Other games
// may save into the same file at the same moment: under an flock on "<file>.lock" the file is read again,
// the slot goes into what it holds then, and the new file replaces the old one as a whole, so no save loses
// another and a failed save leaves the old file untouched. Temporary files of saves killed half-way are
// removed. The other slots keep their bytes. A file of another length is copied aside first (the notice says
// where), and of its other slots those that lie wholly inside it and hold a sound board are kept. A board
// that is itself no sound board (givens against the rules) is not saved.
SaveOutcome SaveBoardSlot(const Board& board, const std::filesystem::path& file, int slot, RandomSource& random);

// The level file of level 0..3: "leicht.drz", "mittel.drz", "schwer.drz", "extrem.drz".
const char* LevelFileName(int level);

struct DealOutcome {
    int slot = 0;
    std::filesystem::path file;
    LoadOutcome load;
};

// DealLevelBoard: the level file of `level` in `folder` (the working folder when empty), slot
// Random(4), loaded as LoadBoardSlot does. A level file too short for all four board blocks is TooShort,
// and one with a board that is no sound board is Damaged, whichever slot was drawn; it deals nothing. The caller goes
// on as for a new game (clock, shuffle, marks).
DealOutcome DealLevelBoard(Board& board, int level, RandomSource& random, const std::filesystem::path& folder = {});

}  // namespace drz
