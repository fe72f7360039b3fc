#include "level_file.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "board_io.h"
#include "storage/board_file_layout.h"

namespace drz::tool {

RawBoardFile ReadRawBoardFile(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw FileError("Die Datei \"" + file + "\" kann nicht gelesen werden.");
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    RawBoardFile raw;
    raw.length = bytes.size();
    if (raw.length != kBoardFileSize) return raw;
    raw.candidateBlocksClear = true;
    for (std::size_t i = CandidateBlockOffset(0); i < kBoardFileSize; ++i) raw.candidateBlocksClear &= bytes[i] == 0;
    raw.fillerDigits = true;
    for (std::size_t i = kFillerOffset; i < kFillerOffset + kFillerBytes; ++i)
        raw.fillerDigits &= bytes[i] >= 1 && bytes[i] <= 9;
    return raw;
}

}  // namespace drz::tool
