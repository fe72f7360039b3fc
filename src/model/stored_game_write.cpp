// Writing the game in progress as JSON: the tables as hex text, the history step by step.
#include <nlohmann/json.hpp>

#include "model/stored_game.h"
#include "model/stored_game_format.h"

namespace drz {

namespace {

using nlohmann::json;

std::string MarkText(const std::array<bool, kMarkTableSize>& marks) {
    std::string text(marks.size(), '0');
    for (std::size_t i = 0; i < marks.size(); ++i)
        if (marks[i]) text[i] = '1';
    return text;
}

json BoardJson(const Board& board) {
    return {{"values", stored::HexTable(board.CellValue, 2)},
            {"givens", stored::HexTable(board.GivenValue, 2)},
            {"marks", MarkText(board.CandidateMark)},
            {"markImage", stored::HexTable(board.CandidateImage, 2)}};
}

json CellJson(const CellRef& c) { return json::array({c.k, c.x, c.y}); }

json StepJson(const HistoryEntry& entry) {
    json changes = json::array();
    for (const CellChange& c : entry.changes)
        changes.push_back(
            {c.cell.k, c.cell.x, c.cell.y, c.oldValue, c.newValue, c.oldGiven, c.newGiven, c.oldMarks, c.newMarks});
    return {{"kind", stored::kStepNames[static_cast<std::size_t>(entry.kind)]},
            {"cell", entry.cell ? CellJson(*entry.cell) : json(nullptr)},
            {"candidatesBefore", entry.candidatesBefore},
            {"candidatesAfter", entry.candidatesAfter},
            {"changes", std::move(changes)}};
}

json CheckpointJson(const Checkpoint& checkpoint) {
    return {{"values", stored::HexTable(checkpoint.value, 2)},
            {"givens", stored::HexTable(checkpoint.given, 2)},
            {"marks", stored::HexTable(checkpoint.marks, 4)},
            {"candidatesShown", checkpoint.candidatesShown}};
}

json HistoryJson(const History& history) {
    json steps = json::array();
    for (const HistoryEntry& entry : history.steps) steps.push_back(StepJson(entry));
    json checkpoints = json::array();
    for (const Checkpoint& checkpoint : history.checkpoints) checkpoints.push_back(CheckpointJson(checkpoint));
    return {{"steps", std::move(steps)}, {"done", history.done}, {"checkpoints", std::move(checkpoints)}};
}

}  // namespace

std::string StoredGameText(const StoredGame& game) {
    const json document = {
        {"format", stored::kFormatName},
        {"version", kStoredGameVersion},
        {"level", game.level},
        {"numerals", game.numerals},
        {"candidatesShown", game.candidatesShown},
        {"timed", game.timed},
        {"elapsed", game.elapsed},
        {"loop", game.loop == StoredLoop::Play ? "play" : "ownBoard"},
        {"board", BoardJson(game.board)},
        {"history", HistoryJson(game.history)},
    };
    return document.dump() + "\n";
}

}  // namespace drz
