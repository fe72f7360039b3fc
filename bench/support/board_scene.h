// board_scene.h — what the screen benchmarks draw on: a window's screen with a puzzle and its candidate marks.
#pragma once

#include "board/board.h"
#include "display/board_view.h"
#include "display/display.h"
#include "input/input_state.h"
#include "oracle/puzzle_files.h"
#include "platform/window.h"

namespace drz::bench {

struct BoardScene {
    // `shown`: the window is opened (and paints); otherwise only the benchmark sets the picture's scale.
    explicit BoardScene(bool shown) {
        if (shown) window.Open(0, 0, 1478, 963);
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
    platform::MainWindow window;
    Board board;
    Options options;
    PanelState panels;
    ClockState clock;
    Display d{window, window.Screen(), board, options, panels, clock};
    InputState in;
    int cx = 0, cy = 0;  // an empty cell of grid 7
};

}  // namespace drz::bench
