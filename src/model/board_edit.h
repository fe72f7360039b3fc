// board_edit.h — the one path by which the board changes: each player action is one named step that keeps
// both copies of a shared cell equal, keeps the counts and returns what changed and the verdict.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "board/board.h"
#include "board/geometry.h"
#include "engine/random.h"
#include "engine/solver_hooks.h"
#include "model/verdict.h"
#include "storage/board_file.h"

namespace drz {

enum class StepKind {
    EnterDigit,   // a digit from the pad into an empty or filled cell
    ClearCell,    // a right click or the pad's right button on an entry
    ToggleMark,   // a candidate mark flipped in notes mode
    ClearMarks,   // the pad's right button in notes mode
    EnterGiven,   // own-board entry: a given through the pad
    RemoveGiven,  // own-board entry: a given taken away
    Restart,      // back to the givens ("_Neustart", N)
    SetAllMarks,  // every mark on or off (F, C, candidates switched)
    Solve,        // a whole run of the forced-step solver
    Shuffle,      // the board disguised
    Deal,         // a level board dealt and shuffled
    Load,         // a slot of a board file
    ClearBoard,   // everything empty
    Checkpoint,   // back to a checkpoint the player set
    Refresh,      // no player change: the candidates brought up to date before the board is shown
};

// Whether the marks follow the rules after every step (candidates shown) or stay as the player set them.
enum class Candidates { AsMarked, Computed };

// One stored copy of a cell that changed; a shared cell that changed is two entries, one per copy.
struct CellChange {
    CellRef cell;
    std::uint8_t oldValue = 0, newValue = 0;
    std::uint8_t oldGiven = 0, newGiven = 0;
    std::uint16_t oldMarks = 0, newMarks = 0;  // bit d set: candidate d marked
};

struct EditStep {
    StepKind kind = StepKind::Refresh;
    std::optional<CellRef> cell;        // the copy a step on one cell was aimed at
    std::vector<CellChange> changes;    // grid by grid, column by column, row by row
    Verdict verdict;                    // of the board after the step; DigitCount holds its counts
    bool candidatesRecomputed = false;  // the marks were computed from the rules: the game is no longer timed
    bool Changed() const { return !changes.empty(); }
    // What the change list says changed: a digit or given, a mark.
    bool DigitsChanged() const {
        return std::ranges::any_of(
            changes, [](const CellChange& c) { return c.oldValue != c.newValue || c.oldGiven != c.newGiven; });
    }
    bool MarksChanged() const {
        return std::ranges::any_of(changes, [](const CellChange& c) { return c.oldMarks != c.newMarks; });
    }
};

// A step on one cell; the cell is given by the copy the player pointed at, and both copies change.
EditStep EnterDigit(Board& board, CellRef cell, int digit, Candidates candidates);
EditStep ClearCell(Board& board, CellRef cell, Candidates candidates);
// Mark d flipped (the partner copy follows), or every mark of the cell cleared.
EditStep ToggleMark(Board& board, CellRef cell, int digit, Candidates candidates);
EditStep ClearMarks(Board& board, CellRef cell, Candidates candidates);
EditStep EnterGiven(Board& board, CellRef cell, int digit, Candidates candidates);
EditStep RemoveGiven(Board& board, CellRef cell, Candidates candidates);

// Steps on the whole board.
EditStep Restart(Board& board, Candidates candidates);
EditStep SetAllMarks(Board& board, bool on, Candidates candidates);
EditStep ClearWholeBoard(Board& board, Candidates candidates);
EditStep Shuffle(Board& board, RandomSource& random, bool symmetric, Candidates candidates);
EditStep Refresh(Board& board, Candidates candidates);

// The forced-step solver as one step; `retry` is the solve command's second run from the givens when the
// first ends contradictory. The hooks see every placement as it is made; the candidates are brought up to
// date before EntriesCleared and AfterVerdict reach them.
EditStep Solve(Board& board, SolveHooks& hooks, bool retry, Candidates candidates);

// A slot of a board file; when the slot's marks replaced the board's, they stay as loaded.
struct LoadStep {
    EditStep step;
    LoadOutcome load;
};
LoadStep Load(Board& board, const std::filesystem::path& file, int slot, Candidates candidates);

// A level board of `level`, shuffled; a level file that deals nothing leaves the board as it was.
struct DealStep {
    EditStep step;
    DealOutcome deal;
};
DealStep Deal(Board& board, int level, RandomSource& random, bool symmetric, Candidates candidates);

}  // namespace drz
