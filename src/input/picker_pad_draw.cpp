// Drawing the picker pad, and the mouse-move handler that moves its highlight.
#include "display/board_view.h"
#include "display/drawing.h"
#include "display/font_codes.h"
#include "display/panels.h"
#include "input/picker_pad.h"

namespace drz {

namespace {

// The square 1..9 of the pad under the point, 0 outside the pad.
int SquareAt(const InputState& in, int x, int y) {
    const PadCorner c = PadCornerOf(in.PadCell);
    const int dx = x - c.left;
    const int dy = y - c.top;
    if (dx < 0 || dy < 0 || dx >= kPadSize || dy >= kPadSize) return 0;
    return 3 * (dy / kPadSquare) + dx / kPadSquare + 1;
}

int GlyphOffsetX(const Options& options, int digit) {
    if (options.ShowNumerals) return 3;
    return digit == 9 ? 6 : 2;  // the narrow "I" stands further right
}

}  // namespace

void DrawPickerPad(Display& d, InputState& in, CellRef cell) {
    d.clock.PadBusy = true;
    const auto [left, top] = PadCornerOf(cell);
    d.panels.HelpText = in.NotesMode ? kNotesHelpText : kPadHelpText;
    ShowHelpText(d);
    if (!in.BackgroundSaved) {
        in.SavedBackground = d.screen.Save(left, top, left + kPadSize, top + kPadSize);
        in.BackgroundSaved = true;
    }
    for (int n = 1; n <= 9; ++n) {
        const int sx = left + kPadSquare * ((n - 1) % 3);
        const int sy = top + kPadSquare * ((n - 1) / 3);
        SetColours(d, 0, n == in.HoverDigit ? 7 : 15);
        d.screen.SetMix(platform::MixMode::Copy);
        d.screen.SetOpaqueText(true);
        d.screen.SetLineWidth(1);
        d.screen.FilledBox(sx, sy, sx + kPadSquare, sy + kPadSquare);
        UseFont(d, kFontPad);
        TransparentText(d, sx + GlyphOffsetX(d.options, n), sy + 1, DigitGlyph(d.options, n));
    }
    LeaveDefaultState(d);
    d.clock.PadBusy = false;
}

void PointerMoved(Display& d, InputState& in, int x, int y) {
    in.MouseX = x, in.MouseY = y;
    if (!in.PickerActive) return;
    const int n = SquareAt(in, x, y);
    if (n != 0 && n != in.HoverDigit) {
        in.HoverDigit = static_cast<std::int16_t>(n);
        DrawPickerPad(d, in, in.PadCell);
    }
}

void WaitMouseRelease(Display& d) { d.window.WaitButtonsReleased(); }

}  // namespace drz
