// verdict.h — what the board says about itself: valid, complete, solved, how often each digit stands on it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "board/board.h"

namespace drz {

struct Verdict {
    bool valid = true;      // no row, column or box of any grid holds a digit twice
    bool complete = false;  // every digit 1..9 stands on exactly 101 distinct cells
    bool solved = false;    // valid and complete
    // Distinct cells holding digit d. Index 0 as CountDigits leaves it: the empty distinct cells and the 144
    // secondary copies, which that count empties first.
    std::array<std::uint16_t, 10> counts{};
};

inline constexpr std::string_view kWrongDigitText = "Falsche Zahl! ";
inline constexpr std::string_view kNoErrorsText = "Keine Fehler! ";
inline constexpr std::string_view kSolvedBoardText = "Brett gelöst!!! ";

// Judges the board as it stands; reads only (both copies of every shared cell are expected equal).
Verdict VerdictOf(const Board& board);
// The status panel's text for a verdict: "Falsche Zahl! ", "Keine Fehler! " or "Brett gelöst!!! ".
std::string_view StatusTextOf(const Verdict& verdict);

// Distinct cells holding each digit, every shared cell counted once through its primary copy.
std::array<std::uint16_t, 10> CountDistinctDigits(const Board& board);
// Distinct given cells, every shared cell counted once through its primary copy.
int CountDistinctGivens(const Board& board);

}  // namespace drz
