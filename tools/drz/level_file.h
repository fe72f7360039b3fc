// level_file.h — the raw bytes of a board file as the level check sees them: length, candidate blocks, filler.
#pragma once

#include <cstddef>
#include <string>

namespace drz::tool {

struct RawBoardFile {
    std::size_t length = 0;
    bool candidateBlocksClear = false;  // every byte of the four candidate blocks is 0
    bool fillerDigits = false;          // every filler byte is 1..9
};

// Reads the whole file; throws FileError when it cannot be read.
RawBoardFile ReadRawBoardFile(const std::string& file);

}  // namespace drz::tool
