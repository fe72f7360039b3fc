#include "model/step_recorder.h"

#include "engine/rules.h"

namespace drz {

namespace {

std::uint16_t MarkBitsOf(const std::array<bool, kMarkTableSize>& marks, int cell) {
    std::uint16_t bits = 0;
    for (int d = 1; d <= 9; ++d)
        if (marks[static_cast<std::size_t>(cell + kCellTableSize * d)])
            bits = static_cast<std::uint16_t>(bits | (1u << d));
    return bits;
}

// The candidates as the rule says, the counts and the verdict.
EditStep JudgedStep(StepKind kind, Board& board, Candidates candidates) {
    EditStep step;
    step.kind = kind;
    if (candidates == Candidates::Computed) {
        ComputeCandidates(board);
        MergeSharedCandidates(board);
        step.candidatesRecomputed = true;
    }
    step.verdict = VerdictOf(board);
    board.DigitCount = step.verdict.counts;
    return step;
}

}  // namespace

std::uint16_t MarkBits(const Board& board, int cell) { return MarkBitsOf(board.CandidateMark, cell); }

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

CellStepRecorder::CellStepRecorder(const Board& before, CellRef cell, bool marksElsewhere) : cell_(cell) {
    CellRef cells[2] = {cell, cell};
    if (const auto partner = PartnerCell(cell.k, cell.x, cell.y)) {
        cells[partner->k < cell.k ? 0 : 1] = *partner;
        count_ = 2;
    } else {
        count_ = 1;
    }
    for (int i = 0; i < count_; ++i) {
        const CellRef c = cells[i];
        const int index = CellIndex(c.k, c.x, c.y);
        copies_[i] = {index, {c, before.CellValue[index], 0, before.GivenValue[index], 0, MarkBits(before, index), 0}};
    }
    if (marksElsewhere) marks_ = std::make_unique<std::array<bool, kMarkTableSize>>(before.CandidateMark);
}

bool CellStepRecorder::IsCopy(int index) const {
    return copies_[0].index == index || (count_ == 2 && copies_[1].index == index);
}

std::vector<CellChange> CellStepRecorder::Changes(const Board& after) const {
    std::vector<CellChange> changes;
    auto add = [&](CellChange c, int index) {
        c.newValue = after.CellValue[index];
        c.newGiven = after.GivenValue[index];
        c.newMarks = MarkBits(after, index);
        if (c.newValue != c.oldValue || c.newGiven != c.oldGiven || c.newMarks != c.oldMarks) changes.push_back(c);
    };
    if (!marks_) {
        for (int i = 0; i < count_; ++i) add(copies_[i].before, copies_[i].index);
        return changes;
    }
    int next = 0;  // the copies come in grid order, like every other cell
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int index = CellIndex(k, x, y);
                if (IsCopy(index)) {
                    add(copies_[next++].before, index);
                } else {
                    const std::uint8_t value = after.CellValue[index], given = after.GivenValue[index];
                    add({{k, x, y}, value, value, given, given, MarkBitsOf(*marks_, index), 0}, index);
                }
            }
    return changes;
}

EditStep FinishStep(StepKind kind, Board& board, const StepRecorder& before, Candidates candidates) {
    EditStep step = JudgedStep(kind, board, candidates);
    step.changes = before.Changes(board);
    return step;
}

EditStep FinishStep(StepKind kind, Board& board, const CellStepRecorder& before, Candidates candidates) {
    EditStep step = JudgedStep(kind, board, candidates);
    step.changes = before.Changes(board);
    step.cell = before.Cell();
    return step;
}

}  // namespace drz
