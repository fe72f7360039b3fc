#include "board_io.h"

#include <iostream>

#include "board/board_ops.h"
#include "storage/board_file.h"

namespace drz::tool {

void LoadSlot(Board& board, const std::string& file, int slot) {
    const LoadOutcome outcome = LoadBoardSlot(board, file, slot);
    if (!outcome.BoardChanged()) throw FileError(outcome.message);
    if (outcome.status == LoadStatus::BoardsOnly)
        std::cerr << "Hinweis: \"" << file << "\" ist nicht 67929 Bytes lang; nur die Bretter wurden gelesen.\n";
    CountGivens(board);
}

void SaveSlot(const Board& board, const std::string& file, int slot, RandomSource& random) {
    const SaveOutcome outcome = SaveBoardSlot(board, file, slot, random);
    if (!outcome.saved) throw FileError(outcome.message);
    if (!outcome.notice.empty()) std::cerr << "Hinweis: " << outcome.notice << "\n";
}

}  // namespace drz::tool
