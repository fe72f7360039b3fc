// The game's side of the slot dialog: the captions, and what a chosen slot does.
#include "game/slot_dialogs.h"

#include "model/board_edit.h"
#include "platform/slot_dialog.h"
#include "storage/board_file.h"
#include "storage/slot_summary.h"

namespace drz {

namespace {

std::string Counted(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

void RunDialog(App& app, const char* title, bool loads) {
    platform::SlotDialogRequest request;
    request.title = title;
    request.checkedSlot = app.SlotIndex;
    request.confirm = loads ? "&Laden" : "&Sichern";
    for (int slot = 0; slot < 4; ++slot) request.options[slot] = SlotCaption(app.options.BoardFile, slot);
    if (std::optional<int> slot = platform::RunSlotDialog(app.window, request)) ConfirmSlot(app, *slot, loads);
}

void Tell(App& app, const std::string& text) {
    app.window.MessageBox(platform::MessageIcon::None, text, {"OK"}, platform::MessageButton::First);
}

// A missing file loads nothing and says nothing; a slot that cannot be used is named, and the board on the
// screen stays as it was.
void LoadSlot(App& app) {
    app.clock.ClockRunning = false;  // a game that is loaded over no longer counts
    const LoadStep loaded = Load(app.board, app.options.BoardFile, app.SlotIndex, CandidateRule(app.options));
    const LoadOutcome& load = loaded.load;
    if (load.CandidatesReplaced()) app.options.ShowCandidates = false;
    if (loaded.step.Changed()) StartHistory(app.history);  // a new board: nothing before it to go back to
    if (!load.BoardChanged() && load.status != LoadStatus::Missing)
        Tell(app, load.message + "\nEs wurde nicht geladen; das Brett bleibt, wie es war.");
}

void SaveSlot(App& app) {
    const SaveOutcome save = SaveBoardSlot(app.board, app.options.BoardFile, app.SlotIndex, app.random);
    if (!save.saved) Tell(app, save.message);
    if (!save.notice.empty()) Tell(app, save.notice);
}

}  // namespace

std::string SlotCaption(const std::string& file, int slot) {
    const std::string name = "Brett " + std::to_string(slot + 1) + " – ";
    const SlotSummary s = SummariseSlot(file, slot);
    if (s.damaged) return name + "beschädigt";
    if (!s.readable) return name + "nicht lesbar";
    if (s.Empty()) return name + "leer";
    return name + Counted(s.givens, "Vorgabe", "Vorgaben") + ", " + Counted(s.entries, "eigene Zahl", "eigene Zahlen");
}

void LoadBoardDialog(App& app) { RunDialog(app, kLoadDialogTitle, true); }

void SaveBoardDialog(App& app) {
    app.options.BoardFile = kPlayerBoardFile;
    RunDialog(app, kSaveDialogTitle, false);
}

void ConfirmSlot(App& app, int slot, bool loads) {
    app.SlotIndex = static_cast<std::int16_t>(slot);
    if (loads) {
        LoadSlot(app);
    } else {
        SaveSlot(app);
    }
}

}  // namespace drz
