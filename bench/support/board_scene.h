// board_scene.h — what the screen benchmarks draw on: a window's screen with a puzzle and its candidate marks,
// and a digit entered there through the pad as a player enters it.
#pragma once

#include "board/board.h"
#include "display/board_view.h"
#include "display/panels.h"
#include "input/input_state.h"
#include "input/picker_pad.h"
#include "oracle/puzzle_files.h"
#include "support/display_scene.h"

namespace drz::bench {

struct BoardScene : test::DisplayScene {
    // `shown`: the window is opened (and paints); otherwise only the benchmark sets the picture's scale.
    explicit BoardScene(bool shown) {
        if (shown) OpenWindow();
        board = oracle::LoadPuzzle("singles-1.txt");
        options.ShowCandidates = true;
        window.SetBackground({180, 201, 208});
        const Verdict verdict = Refresh(board, CandidateRule(options)).verdict;
        DrawBoard(d, verdict);
        RedrawCells(d, verdict);
        for (int x = 1; x <= 9 && !cx; ++x)
            for (int y = 1; y <= 9 && !cx; ++y)
                if (board.Cell(7, x, y) == 0) cx = x, cy = y;
    }
    InputState in;
    int cx = 0, cy = 0;  // an empty cell of grid 7
};

// The pad opened over `cell`, `digit` typed, the pad restored; then the step (both copies, candidates, counts,
// verdict), its cells, marks and the panels.
inline void EnterThroughPad(BoardScene& s, CellRef cell, int digit) {
    DrawPickerPad(s.d, s.in, cell);
    s.window.PostInput({platform::kChar, '0' + digit, 0, 0});
    const PadChoice choice = OpenPicker(s.d, s.in, cell);
    const EditStep step = EnterDigit(s.board, cell, choice.digit, CandidateRule(s.options));
    DrawStepCells(s.d, step);
    ShowDigitCounts(s.d, step.verdict);
}

}  // namespace drz::bench
