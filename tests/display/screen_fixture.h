// screen_fixture.h — a main window, a board and the display context around them, with pixel helpers.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "board/board.h"
#include "display/clock.h"
#include "display/display.h"
#include "display/palette.h"
#include "platform/canvas.h"
#include "platform/window.h"
#include "support/display_scene.h"

namespace drz::test {

using platform::Rgb;

// Bounding box of the pixels that differ from a background colour.
struct InkBox {
    int x1, y1, x2, y2;
    friend bool operator==(const InkBox&, const InkBox&) = default;
};

std::optional<InkBox> FindInk(const platform::Canvas& canvas, int x1, int y1, int x2, int y2, Rgb background);
int CountColour(const platform::Canvas& canvas, int x1, int y1, int x2, int y2, Rgb colour);
// True when both canvases agree on every pixel of the rectangle (both corners included).
bool SameRegion(const platform::Canvas& a, const platform::Canvas& b, int x1, int y1, int x2, int y2);
// The whole canvas as PNG bytes: equal bytes, equal pictures (a fast comparison of whole screens).
std::string PngOf(const platform::Canvas& canvas);
std::string Describe(Rgb colour);

class ScreenTest : public ::testing::Test, public DisplayScene {
protected:
    ScreenTest();

    // The start screen as start-up composes it: bottom strip, board with its panels, help panel.
    void DrawStartScreen();
    Rgb At(int x, int y) { return window.Screen().PixelAt(x, y); }
    platform::Canvas& screen() { return window.Screen(); }
    // Writes `text` in the font of `fontCode` at (x, y) on a white reference canvas, black on white opaque,
    // and compares the text's cell area (width of the text, `height` rows) with the screen.
    bool ShowsText(int x, int y, std::string_view text, int fontCode, int height);
    // Where the glyph of `digit` (as the options show it) lands when written alone at (x, y) in the font of
    // `fontCode`, black on white, transparent.
    std::optional<InkBox> GlyphInk(int fontCode, int x, int y, int digit);
    // Checks that the state every operation leaves behind is black text on white, opaque, copy mix.
    void ExpectDefaultState(const char* after);
};

inline Rgb Pal(int index) { return Palette[static_cast<std::size_t>(index)]; }

}  // namespace drz::test
