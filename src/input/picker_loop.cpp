// The picker pad's own loop: wait for one event, let it be dispatched, look at it; then apply the choice.
#include <cctype>

#include "board/board_ops.h"
#include "display/board_view.h"
#include "display/cell_geometry.h"
#include "display/panels.h"
#include "input/picker_pad.h"

namespace drz {

namespace {

constexpr int kEscape = 27;

bool InsidePad(const InputState& in, int x, int y) {
    return x >= in.PadLeft && x < in.PadLeft + kPadSize && y >= in.PadTop && y < in.PadTop + kPadSize;
}

void RestoreBackground(Display& d, InputState& in) { d.screen.Restore(in.SavedBackground, in.PadLeft, in.PadTop); }

// Digit d into the cell, or mark d flipped in notes mode. Digit 0 in notes mode only closes the pad: mark 0
// is no candidate.
void ApplyDigit(Display& d, InputState& in, int digit) {
    d.clock.PadBusy = true;
    RestoreBackground(d, in);
    const int k = d.panels.CurrentGrid;
    const int x = in.PadColumn, y = in.PadRow;
    if (in.NotesMode) {
        if (digit != 0) {
            d.board.Mark(k, x, y, digit) = !d.board.Mark(k, x, y, digit);
            SyncSharedCandidates(d.board);
            RefreshCandidates(d);
        }
    } else {
        d.board.Cell(k, x, y) = static_cast<std::uint8_t>(digit);
        if (!d.options.OwnBoardEntry) DrawCell(d, x, y, digit);
    }
    d.clock.PadBusy = false;
}

void ApplyClear(Display& d, InputState& in) {
    d.clock.PadBusy = true;
    RestoreBackground(d, in);
    const int k = d.panels.CurrentGrid;
    const int x = in.PadColumn, y = in.PadRow;
    if (in.NotesMode) {
        for (int mark = 1; mark <= 9; ++mark) d.board.Mark(k, x, y, mark) = false;
        RefreshCandidates(d);
    } else if (!d.options.OwnBoardEntry) {
        d.board.Cell(k, x, y) = 0;
        DrawCell(d, x, y, 0);
    }
    d.clock.PadBusy = false;
}

// A typed character: true when it ended the pad.
bool TypedIntoPad(Display& d, InputState& in, int character) {
    const int digit = PadDigitOfKey(character, d.options.ShowNumerals);
    if (digit < 0) return false;
    if (!in.NotesMode) in.HoverDigit = static_cast<std::int16_t>(digit);
    // The key's release comes after the pad has closed; it must not act in the game loop as well.
    if (character == kEscape) d.options.IgnoreEscape = true;
    if (std::isalpha(character)) in.PadKeyRelease = std::toupper(character);
    ApplyDigit(d, in, digit);
    return true;
}

void ClosePad(Display& d, InputState& in) {
    in.SavedBackground = platform::Picture{};
    in.BackgroundSaved = false;
    in.PickerActive = false;
    WaitMouseRelease(d);
    d.panels.HelpText = std::string(kPadClosedHelpText) + (d.panels.LargeFontFallback ? "   " : "");
    ShowHelpText(d);
    SyncSharedBoxes(d.board);
    if (d.options.ShowCandidates) RefreshCandidates(d);
}

}  // namespace

int PadDigitOfKey(int character, bool numerals) {
    if (character == kEscape) {
        character = '0';
    } else if (!numerals) {
        character -= 48;  // "a".."i" become "1".."9", the grave accent "0"
    }
    if (character >= '0' && character <= '9') return character - '0';
    return -1;
}

void OpenPicker(Display& d, InputState& in, int x, int y) {
    const int k = d.panels.CurrentGrid;
    in.PadLeft = CellLeft(k, x) - 8;
    in.PadTop = CellTop(k, y) - 8;
    in.PadColumn = x, in.PadRow = y;
    in.PickerActive = true;
    in.PadKeyRelease = 0;
    d.options.IgnoreEscape = false;
    WaitMouseRelease(d);
    for (;;) {
        in.RightButtonClear = false;
        const platform::InputEvent event = d.window.WaitEvent();
        if (event.message == platform::kLeftButtonDown) {
            in.MouseX = event.x, in.MouseY = event.y;
            if (!InsidePad(in, event.x, event.y)) continue;
            ApplyDigit(d, in, in.HoverDigit);
            break;
        }
        if (event.message == platform::kRightButtonDown) {
            in.MouseX = event.x, in.MouseY = event.y;
            in.RightButtonClear = true;
            ApplyClear(d, in);
            break;
        }
        if (event.message == platform::kChar && TypedIntoPad(d, in, event.param)) break;
    }
    ClosePad(d, in);
}

}  // namespace drz
