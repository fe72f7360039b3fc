// "spielstand.json" of any bytes: the reader answers "damaged" or a game, never more; a game it reads is written
// and read back to the same text.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "model/stored_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<drz::StoredGame> game = drz::ReadStoredGame({reinterpret_cast<const char*>(data), size});
    if (!game) return 0;
    const std::string text = drz::StoredGameText(*game);
    const std::optional<drz::StoredGame> again = drz::ReadStoredGame(text);
    if (!again || drz::StoredGameText(*again) != text) {
        std::fprintf(stderr, "stored game fuzz: a game read back differs\n");
        std::abort();
    }
    return 0;
}
