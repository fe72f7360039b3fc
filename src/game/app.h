// app.h — the application object: it owns the window, the board and every piece of game state for the whole run.
#pragma once

#include "board/board.h"
#include "display/clock.h"
#include "display/display.h"
#include "display/state.h"
#include "engine/random.h"
#include "game/autosave_state.h"
#include "input/input_state.h"
#include "model/history.h"
#include "platform/canvas.h"
#include "platform/window.h"
#include "storage/hall_of_fame.h"

namespace drz {

struct App {
    platform::MainWindow window;
    Board board;
    Options options;
    PanelState panels;
    ClockState clock;
    HallOfFame hallOfFame;  // the four lists of "Champions.Rhm", PlayerName and NameConfirmed
    Display display{window, window.Screen(), board, options, panels, clock};
    RandomSource random{FreshSeed()};   // the one random source of the game: deals and shuffles
    InputState input;                   // pointer, picker pad and its saved background
    History history;                    // the steps to undo and redo on this board, and its checkpoints
    std::int16_t SlotIndex = 0;         // slot chosen last in the slot dialog; it reopens there
    platform::Picture CommandBarImage;  // the empty command-bar area, drawn back to erase the bar
    // Declared after the window, so it is stopped and joined before the window goes.
    ClockThread clockThread{clock, platform::Timer,
                            [this](std::string text) { window.PostClockText(std::move(text)); }};
    // The game in progress in "spielstand.json". Last: its writer reads the clock, so it goes first.
    AutosaveState autosave;

    App() = default;
    App(const App&) = delete;
    App& operator=(const App&) = delete;
};

}  // namespace drz
