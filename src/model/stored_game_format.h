// stored_game_format.h — the names and table encodings "spielstand.json" shares between its writer and reader.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/board_edit.h"

namespace drz::stored {

inline constexpr std::string_view kFormatName = "Dreizehner-Spielstand";

// In the order of StepKind.
inline constexpr std::array<std::string_view, 15> kStepNames = {
    "EnterDigit", "ClearCell", "ToggleMark", "ClearMarks", "EnterGiven", "RemoveGiven", "Restart", "SetAllMarks",
    "Solve",      "Shuffle",   "Deal",       "Load",       "ClearBoard", "Checkpoint",  "Refresh"};

inline constexpr char kHexDigits[] = "0123456789abcdef";

// Each value as `width` hex digits, most significant first.
template <typename T, std::size_t N>
std::string HexTable(const std::array<T, N>& table, int width) {
    std::string text(N * static_cast<std::size_t>(width), '0');
    for (std::size_t i = 0; i < N; ++i)
        for (int w = 0; w < width; ++w)
            text[i * static_cast<std::size_t>(width) + static_cast<std::size_t>(w)] =
                kHexDigits[(static_cast<unsigned>(table[i]) >> (4 * (width - 1 - w))) & 0xFu];
    return text;
}

inline std::optional<unsigned> HexValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    return std::nullopt;
}

// The table back from its hex digits; false when the text has another length or another character.
template <typename T, std::size_t N>
bool ReadHexTable(std::string_view text, int width, std::array<T, N>& table) {
    if (text.size() != N * static_cast<std::size_t>(width)) return false;
    for (std::size_t i = 0; i < N; ++i) {
        unsigned value = 0;
        for (int w = 0; w < width; ++w) {
            const std::optional<unsigned> digit = HexValue(text[i * static_cast<std::size_t>(width) + w]);
            if (!digit) return false;
            value = value << 4 | *digit;
        }
        table[i] = static_cast<T>(value);
    }
    return true;
}

}  // namespace drz::stored
