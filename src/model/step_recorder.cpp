#include "model/step_recorder.h"

#include "engine/rules.h"

namespace drz {

std::uint16_t MarkBits(const Board& board, int cell) {
    std::uint16_t bits = 0;
    for (int d = 1; d <= 9; ++d)
        if (board.CandidateMark[cell + kCellTableSize * d]) bits = static_cast<std::uint16_t>(bits | (1u << d));
    return bits;
}

StepRecorder::StepRecorder(const Board& before) : value_(before.CellValue), given_(before.GivenValue) {
    for (int cell = 0; cell < kCellTableSize; ++cell) marks_[cell] = MarkBits(before, cell);
}

std::vector<CellChange> StepRecorder::Changes(const Board& after) const {
    std::vector<CellChange> changes;
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int cell = CellIndex(k, x, y);
                const std::uint16_t marks = MarkBits(after, cell);
                if (after.CellValue[cell] == value_[cell] && after.GivenValue[cell] == given_[cell] &&
                    marks == marks_[cell])
                    continue;
                changes.push_back({{k, x, y},
                                   value_[cell],
                                   after.CellValue[cell],
                                   given_[cell],
                                   after.GivenValue[cell],
                                   marks_[cell],
                                   marks});
            }
    return changes;
}

EditStep FinishStep(StepKind kind, Board& board, const StepRecorder& before, Candidates candidates) {
    EditStep step;
    step.kind = kind;
    if (candidates == Candidates::Computed) {
        ComputeCandidates(board);
        MergeSharedCandidates(board);
        step.candidatesRecomputed = true;
    }
    step.verdict = VerdictOf(board);
    board.DigitCount = step.verdict.counts;
    step.changes = before.Changes(board);
    return step;
}

}  // namespace drz
