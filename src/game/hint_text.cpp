#include "game/hint_text.h"

#include <array>

namespace drz {

namespace {

// The boxes of a grid in reading order, named as the manual names them.
constexpr std::array<const char*, 9> kBoxNames = {"links oben",   "oben Mitte",  "rechts oben", "links Mitte", "Mitte",
                                                  "rechts Mitte", "links unten", "unten Mitte", "rechts unten"};

// "die 7", or with letters shown "das G".
std::string DigitWords(int digit, bool numerals) {
    if (numerals) return "die " + std::to_string(digit);
    return std::string("das ") + static_cast<char>('A' + digit - 1);
}

std::string Capitalised(std::string words) {
    words[0] = static_cast<char>(words[0] - 'a' + 'A');
    return words;
}

// "Gitter 4, Zeile 3", "Gitter 4, Spalte 3", "Gitter 4, Block links oben".
std::string UnitWords(const Hint& hint) {
    const std::string grid = "Gitter " + std::to_string(hint.cell.k) + ", ";
    switch (hint.unit.kind) {
        case UnitKind::Row:
            return grid + "Zeile " + std::to_string(hint.unit.index);
        case UnitKind::Column:
            return grid + "Spalte " + std::to_string(hint.unit.index);
        default:
            return grid + "Block " + kBoxNames[static_cast<std::size_t>(hint.unit.index % 9)];
    }
}

}  // namespace

std::string HintSentence(const Hint& hint, bool numerals) {
    const std::string digit = DigitWords(hint.digit, numerals);
    switch (hint.kind) {
        case HintKind::Solved:
            return "Das Brett ist gelöst.";
        case HintKind::Clash:
            return "In " + UnitWords(hint) + ", steht " + digit + " zweimal.";
        case HintKind::WrongEntry:
            return Capitalised(digit) + " in diesem Feld ist falsch.";
        case HintKind::DeadCell:
            return "In dieses Feld passt nichts mehr.";
        case HintKind::NakedSingle:
            return "In dieses Feld passt nur " + digit + ".";
        case HintKind::RowSingle:
        case HintKind::ColumnSingle:
        case HintKind::BoxSingle:
            return "In " + UnitWords(hint) + ", passt " + digit + " nur in dieses Feld.";
        case HintKind::Guess:
            break;
    }
    return "Hier muss man raten.";
}

}  // namespace drz
