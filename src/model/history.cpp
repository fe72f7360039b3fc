// Taking steps back and making them again, and the checkpoints.
#include "model/history.h"

#include "model/step_recorder.h"

namespace drz {

namespace {

void WriteCopy(Board& board, CellRef c, std::uint8_t value, std::uint8_t given, std::uint16_t marks) {
    const int cell = CellIndex(c.k, c.x, c.y);
    board.CellValue[cell] = value;
    board.GivenValue[cell] = given;
    for (int d = 1; d <= 9; ++d) board.CandidateMark[cell + kCellTableSize * d] = (marks >> d & 1u) != 0;
}

bool Matches(const Board& board, CellRef c, std::uint8_t value, std::uint8_t given, std::uint16_t marks) {
    const int cell = CellIndex(c.k, c.x, c.y);
    return board.CellValue[cell] == value && board.GivenValue[cell] == given && MarkBits(board, cell) == marks;
}

// The board as an entry leaves it (forward) or found it (back) must be what stands now.
bool BoardAt(const Board& board, const HistoryEntry& entry, bool forward) {
    // Changes of one copy may repeat (a Refresh joined its step): only the last word on each copy counts.
    std::vector<bool> seen(kCellTableSize, false);
    auto check = [&](const CellChange& c) {
        const int cell = CellIndex(c.cell.k, c.cell.x, c.cell.y);
        if (seen[cell]) return true;
        seen[cell] = true;
        return forward ? Matches(board, c.cell, c.newValue, c.newGiven, c.newMarks)
                       : Matches(board, c.cell, c.oldValue, c.oldGiven, c.oldMarks);
    };
    if (forward) {
        for (auto c = entry.changes.rbegin(); c != entry.changes.rend(); ++c)
            if (!check(*c)) return false;
    } else {
        for (const CellChange& c : entry.changes)
            if (!check(c)) return false;
    }
    return true;
}

EditStep Finished(Board& board, const HistoryEntry& entry, bool forward) {
    EditStep step;
    step.kind = entry.kind;
    step.cell = entry.cell;
    step.changes.reserve(entry.changes.size());
    for (const CellChange& c : entry.changes) {
        step.changes.push_back(
            forward ? c : CellChange{c.cell, c.newValue, c.oldValue, c.newGiven, c.oldGiven, c.newMarks, c.oldMarks});
    }
    step.verdict = VerdictOf(board);
    board.DigitCount = step.verdict.counts;
    return step;
}

}  // namespace

void StartHistory(History& history) {
    history.steps.clear();
    history.done = 0;
    history.checkpoints.clear();
}

void RecordStep(History& history, const EditStep& step, bool candidatesBefore, bool candidatesAfter) {
    if (!step.Changed() && candidatesBefore == candidatesAfter) return;
    history.steps.resize(history.done);
    if (step.kind == StepKind::Refresh && history.done > 0) {
        std::vector<CellChange>& last = history.steps.back().changes;
        last.insert(last.end(), step.changes.begin(), step.changes.end());
        return;
    }
    if (step.kind == StepKind::Refresh) return;  // the board as dealt or loaded, brought up to date
    history.steps.push_back({step.kind, step.cell, step.changes, candidatesBefore, candidatesAfter});
    history.done = history.steps.size();
}

std::optional<EditStep> UndoStep(Board& board, History& history, bool& candidatesShown) {
    if (!history.CanUndo()) return std::nullopt;
    const HistoryEntry& entry = history.steps[history.done - 1];
    if (!BoardAt(board, entry, true)) {
        StartHistory(history);
        return std::nullopt;
    }
    for (auto c = entry.changes.rbegin(); c != entry.changes.rend(); ++c)
        WriteCopy(board, c->cell, c->oldValue, c->oldGiven, c->oldMarks);
    candidatesShown = entry.candidatesBefore;
    --history.done;
    return Finished(board, entry, false);
}

std::optional<EditStep> RedoStep(Board& board, History& history, bool& candidatesShown) {
    if (!history.CanRedo()) return std::nullopt;
    const HistoryEntry& entry = history.steps[history.done];
    if (!BoardAt(board, entry, false)) {
        StartHistory(history);
        return std::nullopt;
    }
    for (const CellChange& c : entry.changes) WriteCopy(board, c.cell, c.newValue, c.newGiven, c.newMarks);
    candidatesShown = entry.candidatesAfter;
    ++history.done;
    return Finished(board, entry, true);
}

void SetCheckpoint(const Board& board, History& history, bool candidatesShown) {
    Checkpoint& point = history.checkpoints.emplace_back();
    point.value = board.CellValue;
    point.given = board.GivenValue;
    for (int cell = 0; cell < kCellTableSize; ++cell) point.marks[cell] = MarkBits(board, cell);
    point.candidatesShown = candidatesShown;
}

std::optional<EditStep> ReturnToCheckpoint(Board& board, History& history, bool& candidatesShown) {
    if (history.checkpoints.empty()) return std::nullopt;
    const Checkpoint& point = history.checkpoints.back();
    const StepRecorder before(board);
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int cell = CellIndex(k, x, y);
                WriteCopy(board, {k, x, y}, point.value[cell], point.given[cell], point.marks[cell]);
            }
    const bool wasShown = candidatesShown;
    candidatesShown = point.candidatesShown;
    EditStep step = FinishStep(StepKind::Checkpoint, board, before, Candidates::AsMarked);
    RecordStep(history, step, wasShown, candidatesShown);
    return step;
}

bool DropCheckpoint(History& history) {
    if (history.checkpoints.empty()) return false;
    history.checkpoints.pop_back();
    return true;
}

}  // namespace drz
