// Reading the game in progress back: every type, index and value is checked before it goes into the board or
// the history; anything else makes the whole text damaged.
#include <nlohmann/json.hpp>

#include <cmath>

#include "board/geometry.h"
#include "model/stored_game.h"
#include "model/stored_game_format.h"
#include "model/verdict.h"

namespace drz {

namespace {

using nlohmann::json;

// Far above what a player makes in weeks on one board, far below what could exhaust memory.
constexpr std::size_t kMostSteps = 1'000'000;
constexpr std::size_t kMostChangesPerStep = 100'000;
constexpr std::size_t kMostCheckpoints = 10'000;
constexpr double kMostElapsed = 100.0 * 365 * 24 * 3600;
constexpr unsigned kMarkBitsUsed = 0x3FEu;  // candidates 1..9

struct Damaged {};  // thrown inside the reader only, caught before it returns

const json& Field(const json& object, const char* name) {
    if (!object.is_object()) throw Damaged{};
    const auto it = object.find(name);
    if (it == object.end()) throw Damaged{};
    return *it;
}

bool Flag(const json& object, const char* name) {
    const json& value = Field(object, name);
    if (!value.is_boolean()) throw Damaged{};
    return value.get<bool>();
}

std::int64_t Whole(const json& value, std::int64_t low, std::int64_t high) {
    if (!value.is_number_integer()) throw Damaged{};
    const std::int64_t n =
        value.is_number_unsigned() && value.get<std::uint64_t>() > INT64_MAX ? INT64_MAX : value.get<std::int64_t>();
    if (n < low || n > high) throw Damaged{};
    return n;
}

std::string_view Text(const json& object, const char* name) {
    const json& value = Field(object, name);
    if (!value.is_string()) throw Damaged{};
    return value.get_ref<const std::string&>();
}

template <typename T, std::size_t N>
void HexField(const json& object, const char* name, int width, std::array<T, N>& table) {
    if (!stored::ReadHexTable(Text(object, name), width, table)) throw Damaged{};
}

// Real cells hold digits 0..9; the elements with an index 0 belong to no cell and are kept as they are.
void CheckDigits(const std::array<std::uint8_t, kCellTableSize>& values,
                 const std::array<std::uint8_t, kCellTableSize>& givens) {
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (values[CellIndex(k, x, y)] > 9 || givens[CellIndex(k, x, y)] > 9) throw Damaged{};
}

// Both copies of a shared cell hold the same digit, given and marks.
void CheckCopiesEqual(const Board& board) {
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const std::optional<CellRef> p = PartnerCell(k, x, y);
                if (!p) continue;
                const int a = CellIndex(k, x, y), b = CellIndex(p->k, p->x, p->y);
                if (board.CellValue[a] != board.CellValue[b] || board.GivenValue[a] != board.GivenValue[b])
                    throw Damaged{};
                for (int d = 1; d <= 9; ++d)
                    if (board.CandidateMark[a + kCellTableSize * d] != board.CandidateMark[b + kCellTableSize * d])
                        throw Damaged{};
            }
}

Board ReadBoard(const json& object) {
    Board board;
    HexField(object, "values", 2, board.CellValue);
    HexField(object, "givens", 2, board.GivenValue);
    HexField(object, "markImage", 2, board.CandidateImage);
    const std::string_view marks = Text(object, "marks");
    if (marks.size() != board.CandidateMark.size()) throw Damaged{};
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (marks[i] != '0' && marks[i] != '1') throw Damaged{};
        board.CandidateMark[i] = marks[i] == '1';
    }
    CheckDigits(board.CellValue, board.GivenValue);
    CheckCopiesEqual(board);
    board.DigitCount = VerdictOf(board).counts;
    return board;
}

CellRef ReadCell(const json& item, std::size_t at) {
    return {static_cast<int>(Whole(item[at], 1, kGridCount)), static_cast<int>(Whole(item[at + 1], 1, 9)),
            static_cast<int>(Whole(item[at + 2], 1, 9))};
}

CellChange ReadChange(const json& item) {
    if (!item.is_array() || item.size() != 9) throw Damaged{};
    CellChange c;
    c.cell = ReadCell(item, 0);
    c.oldValue = static_cast<std::uint8_t>(Whole(item[3], 0, 9));
    c.newValue = static_cast<std::uint8_t>(Whole(item[4], 0, 9));
    c.oldGiven = static_cast<std::uint8_t>(Whole(item[5], 0, 9));
    c.newGiven = static_cast<std::uint8_t>(Whole(item[6], 0, 9));
    c.oldMarks = static_cast<std::uint16_t>(Whole(item[7], 0, kMarkBitsUsed));
    c.newMarks = static_cast<std::uint16_t>(Whole(item[8], 0, kMarkBitsUsed));
    if (((c.oldMarks | c.newMarks) & ~kMarkBitsUsed) != 0) throw Damaged{};
    return c;
}

StepKind ReadKind(std::string_view name) {
    for (std::size_t i = 0; i < stored::kStepNames.size(); ++i)
        if (stored::kStepNames[i] == name) return static_cast<StepKind>(i);
    throw Damaged{};
}

HistoryEntry ReadStep(const json& object) {
    HistoryEntry entry;
    entry.kind = ReadKind(Text(object, "kind"));
    const json& cell = Field(object, "cell");
    if (!cell.is_null()) {
        if (!cell.is_array() || cell.size() != 3) throw Damaged{};
        entry.cell = ReadCell(cell, 0);
    }
    entry.candidatesBefore = Flag(object, "candidatesBefore");
    entry.candidatesAfter = Flag(object, "candidatesAfter");
    const json& changes = Field(object, "changes");
    if (!changes.is_array() || changes.size() > kMostChangesPerStep) throw Damaged{};
    entry.changes.reserve(changes.size());
    for (const json& change : changes) entry.changes.push_back(ReadChange(change));
    return entry;
}

Checkpoint ReadCheckpoint(const json& object) {
    Checkpoint checkpoint;
    HexField(object, "values", 2, checkpoint.value);
    HexField(object, "givens", 2, checkpoint.given);
    HexField(object, "marks", 4, checkpoint.marks);
    CheckDigits(checkpoint.value, checkpoint.given);
    for (const std::uint16_t m : checkpoint.marks)
        if ((m & ~kMarkBitsUsed) != 0) throw Damaged{};
    checkpoint.candidatesShown = Flag(object, "candidatesShown");
    return checkpoint;
}

History ReadHistory(const json& object) {
    History history;
    const json& steps = Field(object, "steps");
    const json& checkpoints = Field(object, "checkpoints");
    if (!steps.is_array() || steps.size() > kMostSteps) throw Damaged{};
    if (!checkpoints.is_array() || checkpoints.size() > kMostCheckpoints) throw Damaged{};
    for (const json& step : steps) history.steps.push_back(ReadStep(step));
    history.done = static_cast<std::size_t>(Whole(Field(object, "done"), 0, static_cast<std::int64_t>(steps.size())));
    for (const json& checkpoint : checkpoints) history.checkpoints.push_back(ReadCheckpoint(checkpoint));
    return history;
}

StoredGame ReadDocument(const json& document) {
    if (Text(document, "format") != stored::kFormatName) throw Damaged{};
    if (Whole(Field(document, "version"), kStoredGameVersion, kStoredGameVersion) != kStoredGameVersion)
        throw Damaged{};
    StoredGame game;
    game.level = static_cast<std::int16_t>(Whole(Field(document, "level"), 0, 3));
    game.numerals = Flag(document, "numerals");
    game.candidatesShown = Flag(document, "candidatesShown");
    game.timed = Flag(document, "timed");
    const json& elapsed = Field(document, "elapsed");
    if (!elapsed.is_number()) throw Damaged{};
    game.elapsed = elapsed.get<double>();
    if (!std::isfinite(game.elapsed) || game.elapsed < 0 || game.elapsed > kMostElapsed) throw Damaged{};
    const std::string_view loop = Text(document, "loop");
    if (loop != "play" && loop != "ownBoard") throw Damaged{};
    game.loop = loop == "play" ? StoredLoop::Play : StoredLoop::OwnBoard;
    game.board = ReadBoard(Field(document, "board"));
    game.history = ReadHistory(Field(document, "history"));
    return game;
}

}  // namespace

std::optional<StoredGame> ReadStoredGame(std::string_view text) {
    try {
        const json document = json::parse(text, nullptr, false);
        if (document.is_discarded()) return std::nullopt;
        return ReadDocument(document);
    } catch (...) {  // Damaged, or a type or memory failure inside the library: the text is not a stored game
        return std::nullopt;
    }
}

}  // namespace drz
