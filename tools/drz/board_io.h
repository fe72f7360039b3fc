// board_io.h — the tool's loading and saving of a slot, with the German reason on failure.
#pragma once

#include <stdexcept>
#include <string>

#include "board/board.h"
#include "engine/random.h"

namespace drz::tool {

// A board file or slot that cannot be used: main prints the message and exits with 1.
struct FileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Loads the slot into an empty board as the game's "lade Brett" does, then brings the shared copies up to
// date as the panels after a load do. Throws FileError when nothing could be loaded (a damaged slot included).
void LoadSlot(Board& board, const std::string& file, int slot);

// Saves as the game's "sichere Brett" does (under the file's lock, a damaged file kept aside and named on
// stderr); throws FileError with the game's message on failure.
void SaveSlot(const Board& board, const std::string& file, int slot, RandomSource& random);

}  // namespace drz::tool
