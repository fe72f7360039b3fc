// step_recorder.h — what a step changed: the board before it, compared with the board after it.
#pragma once

#include <array>
#include <cstdint>
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

// Marks 1..9 of one stored copy as bits 1..9.
std::uint16_t MarkBits(const Board& board, int cell);

// Ends a step: the candidates as the rule says, the counts into DigitCount, the verdict, the changes.
EditStep FinishStep(StepKind kind, Board& board, const StepRecorder& before, Candidates candidates);

}  // namespace drz
