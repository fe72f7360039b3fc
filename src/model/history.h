// history.h — the player's steps on the board in play, to be taken back and made again, and the checkpoints
// ("Merkpunkt") to return to. Plain data throughout, so that it can be written out and read back whole.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/board_edit.h"

namespace drz {

// One step as the history keeps it: every stored copy it changed, and whether candidates were shown
// before and after it (M switches them).
struct HistoryEntry {
    StepKind kind = StepKind::Refresh;
    std::optional<CellRef> cell;
    std::vector<CellChange> changes;  // applied in this order; taken back in the reverse order
    bool candidatesBefore = false;
    bool candidatesAfter = false;
};

// The board as it stood when a checkpoint was set: digits, givens and marks (bit d: candidate d) of every
// stored copy, and whether candidates were shown.
struct Checkpoint {
    std::array<std::uint8_t, kCellTableSize> value{};
    std::array<std::uint8_t, kCellTableSize> given{};
    std::array<std::uint16_t, kCellTableSize> marks{};
    bool candidatesShown = false;
};

struct History {
    std::vector<HistoryEntry> steps;      // from the deal or load of the board on, oldest first
    std::size_t done = 0;                 // steps[0, done) stand on the board; the rest can be made again
    std::vector<Checkpoint> checkpoints;  // newest last

    bool CanUndo() const { return done > 0; }
    bool CanRedo() const { return done < steps.size(); }
};

// A new board (dealt, loaded, cleared): nothing to take back, no checkpoint.
void StartHistory(History& history);
// Records a step the player made: the steps that could have been made again go. A step that changed nothing
// is not recorded; a Refresh that changed marks joins the step before it.
void RecordStep(History& history, const EditStep& step, bool candidatesBefore, bool candidatesAfter);

// The last step taken back, or the next one made again: the board is written back (both copies of every
// shared cell, marks, DigitCount), `candidatesShown` set as it was, and the returned step says what changed.
// Nothing when there is nothing to do; when the board no longer matches the history (it was changed past
// it), the history is dropped and nothing changes.
std::optional<EditStep> UndoStep(Board& board, History& history, bool& candidatesShown);
std::optional<EditStep> RedoStep(Board& board, History& history, bool& candidatesShown);

// The board as it stands becomes the newest checkpoint.
void SetCheckpoint(const Board& board, History& history, bool candidatesShown);
// Back to the newest checkpoint as one recorded step (the checkpoint stays); nothing without one.
std::optional<EditStep> ReturnToCheckpoint(Board& board, History& history, bool& candidatesShown);
// The newest checkpoint dropped; false when there was none.
bool DropCheckpoint(History& history);

}  // namespace drz
