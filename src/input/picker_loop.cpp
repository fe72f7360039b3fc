// The picker pad's own loop: wait for one event, let it be dispatched, look at it; then the pad goes.
#include <cctype>

#include "display/panels.h"
#include "input/picker_pad.h"

namespace drz {

namespace {

constexpr int kEscape = 27;

bool InsidePad(const InputState& in, int x, int y) {
    const PadCorner c = PadCornerOf(in.PadCell);
    return x >= c.left && x < c.left + kPadSize && y >= c.top && y < c.top + kPadSize;
}

void RestoreBackground(Display& d, InputState& in) {
    d.clock.PadBusy = true;
    const PadCorner c = PadCornerOf(in.PadCell);
    d.screen.Restore(in.SavedBackground, c.left, c.top);
    d.clock.PadBusy = false;
}

// A typed character: the choice when it ended the pad.
std::optional<PadChoice> TypedIntoPad(Display& d, InputState& in, int character) {
    const int digit = PadDigitOfKey(character, d.options.ShowNumerals);
    if (digit < 0) return std::nullopt;
    if (!in.NotesMode) in.HoverDigit = static_cast<std::int16_t>(digit);
    // The key's release comes after the pad has closed; it must not act in the game loop as well.
    if (character == kEscape) d.options.IgnoreEscape = true;
    if (std::isalpha(character)) in.PadKeyRelease = std::toupper(character);
    return PadChoice{false, digit};
}

PadChoice WaitForChoice(Display& d, InputState& in) {
    for (;;) {
        const platform::InputEvent event = d.window.WaitEvent();
        if (event.message == platform::kLeftButtonDown) {
            in.MouseX = event.x, in.MouseY = event.y;
            if (InsidePad(in, event.x, event.y)) return PadChoice{false, in.HoverDigit};
        }
        if (event.message == platform::kRightButtonDown) {
            in.MouseX = event.x, in.MouseY = event.y;
            return PadChoice{true, 0};
        }
        if (event.message == platform::kWindowMinimized && d.clock.ClockRunning) {
            in.PadMinimized = true;  // the game loop pauses once the pad has gone
            return PadChoice{false, 0, true};
        }
        if (event.message == platform::kChar)
            if (const std::optional<PadChoice> typed = TypedIntoPad(d, in, event.param)) return *typed;
    }
}

void ClosePad(Display& d, InputState& in) {
    RestoreBackground(d, in);
    in.SavedBackground = platform::Picture{};
    in.BackgroundSaved = false;
    in.PickerActive = false;
    WaitMouseRelease(d);
    d.panels.HelpText = std::string(kPadClosedHelpText) + (d.panels.LargeFontFallback ? "   " : "");
    ShowHelpText(d);
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

PadChoice OpenPicker(Display& d, InputState& in, CellRef cell) {
    in.PadCell = cell;
    in.PickerActive = true;
    in.PadKeyRelease = 0;
    d.options.IgnoreEscape = false;
    WaitMouseRelease(d);
    const PadChoice choice = WaitForChoice(d, in);
    ClosePad(d, in);
    return choice;
}

}  // namespace drz
