// stored_game.h — the game in progress as a JSON document ("spielstand.json"): the board, the options it is
// played under, the clock and the history, written out and read back with every value checked.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "board/board.h"
#include "model/history.h"

namespace drz {

inline constexpr int kStoredGameVersion = 1;

enum class StoredLoop { Play, OwnBoard };

struct StoredGame {
    Board board;  // DigitCount is counted anew when read
    std::int16_t level = 0;
    bool numerals = true;
    bool candidatesShown = false;
    bool timed = false;
    double elapsed = 0.0;  // seconds a timed game has run
    StoredLoop loop = StoredLoop::Play;
    History history;
};

std::string StoredGameText(const StoredGame& game);
// The game the text holds; nothing for a damaged or foreign text (never throws).
std::optional<StoredGame> ReadStoredGame(std::string_view text);

}  // namespace drz
