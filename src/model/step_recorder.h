// step_recorder.h — what a step changed: for a step on the whole board the board before it compared with the
// board after it; for a step on one cell its own copies, and the marks only where they can change elsewhere.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/board_edit.h"

namespace drz {

class StepRecorder {
public:
    explicit StepRecorder(const Board& before);
    // Every stored copy that differs from the board before, grid by grid.
    std::vector<CellChange> Changes(const Board& after) const;

private:
    std::array<std::uint8_t, kCellTableSize> value_;
    std::array<std::uint8_t, kCellTableSize> given_;
    std::array<std::uint16_t, kCellTableSize> marks_;
};

// A step on one cell changes the digit and given of its copies only (both copies of a shared cell). Its marks
// change elsewhere only when `marksElsewhere`: the step computes the candidates or merges the marks of the
// shared cells; then the marks of the board before it are kept too.
class CellStepRecorder {
public:
    CellStepRecorder(const Board& before, CellRef cell, bool marksElsewhere);
    // The copies that differ from the board before, grid by grid, as StepRecorder would list them.
    std::vector<CellChange> Changes(const Board& after) const;
    CellRef Cell() const { return cell_; }

private:
    struct Copy {
        int index = 0;
        CellChange before;  // its cell and the old values
    };
    bool IsCopy(int index) const;
    CellRef cell_;
    std::array<Copy, 2> copies_;  // lower grid first
    int count_ = 0;
    std::unique_ptr<std::array<bool, kMarkTableSize>> marks_;  // CandidateMark before the step, when kept
};

// Marks 1..9 of one stored copy as bits 1..9.
std::uint16_t MarkBits(const Board& board, int cell);

// Ends a step: the candidates as the rule says, the counts into DigitCount, the verdict, the changes (and for a
// step on one cell the cell it was aimed at).
EditStep FinishStep(StepKind kind, Board& board, const StepRecorder& before, Candidates candidates);
EditStep FinishStep(StepKind kind, Board& board, const CellStepRecorder& before, Candidates candidates);

}  // namespace drz
