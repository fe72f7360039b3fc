// state.h — the options, panel texts and clock state the application owns; the display reads them and keeps
// the panel texts it draws.
#pragma once

#include <atomic>
#include <bitset>
#include <cstdint>
#include <string>

#include "model/board_edit.h"

namespace drz {

// Menu options and game-state flags; they live only for the run.
struct Options {
    std::int16_t CurrentLevel = 0;  // 0..3, index into LevelName
    bool ShowNumerals = true;       // digits as numerals ("&Zahlen") or letters A..I ("&Buchstaben")
    bool SymmetricPuzzle = true;    // "Rätsel-Symmetrie": shuffles keep a point-symmetric layout
    bool ShowCandidates = false;    // "Zeige &Kandidaten": marks recomputed after every step
    bool IgnoreEscape = false;      // Escape ends no game loop: set when Escape closes a pad or the exit question or
                                    // the hall of fame closes; cleared by the next menu command or pad
    std::string KeyPrefix;          // "K" after K was released in a game loop
    std::string BoardFile;          // file the next load or save uses
};

// How the steps treat the candidate marks under these options.
inline Candidates CandidateRule(const Options& options) {
    return options.ShowCandidates ? Candidates::Computed : Candidates::AsMarked;
}

// What the panels show, and the small drawing state the display keeps between calls.
struct PanelState {
    std::string HelpText = "Bitte Menupunkt auswählen!";
    std::string StatusText;  // the verdict shown last: "Falsche Zahl! ", "Keine Fehler! " or "Brett gelöst!!! "
    std::int16_t GivenCount = 0;
    bool LargeFontFallback = false;  // set once when the desktop uses large fonts
    // Places of cells (by the copy in the lower grid) whose marks a face or a grid field covered since their
    // marks were drawn last; the next drawing of the marks draws them again.
    std::bitset<kCellTableSize> MarksCovered;
};

// The game clock. The clock thread reads and writes these beside the user-interface thread, so everything
// it touches is atomic; it never touches a widget itself.
struct ClockState {
    std::atomic<bool> ClockRunning{false};  // a timed game is in progress
    std::atomic<bool> BoardSolved{false};   // set only while the final time is taken
    std::atomic<bool> PadBusy{false};       // the picker pad draws: the clock thread leaves the label alone
    std::atomic<double> StartTime{0.0};     // timer value when the game started, moved on by every pause
    std::atomic<bool> Paused{false};        // the game is paused: the clock stands at PausedAt
    std::atomic<double> PausedAt{0.0};      // timer value when the pause began
    std::atomic<double> LastTick{-1.0};     // whole elapsed second at the last display update; -1 after a stop
    std::atomic<double> Elapsed{0.0};       // seconds since StartTime as last computed
    std::atomic<std::int32_t> Hours{0};
    std::atomic<std::int32_t> Minutes{0};
    // Clock-thread posts under way. A stopped clock's text is only written once this is 0, so that no running
    // time posted earlier can arrive after it.
    std::atomic<int> PostsInFlight{0};
    std::string SolveTime;  // final time for the hall of fame; "X" while a game runs (UI thread only)
};

}  // namespace drz
