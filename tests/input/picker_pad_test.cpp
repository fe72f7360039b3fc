// The hit test, and the picker pad on the screen: drawn, hovered, restored pixel for pixel; its keys.
#include <gtest/gtest.h>

#include "board/board.h"
#include "display/board_view.h"
#include "display/cell_geometry.h"
#include "display/display.h"
#include "display/font_codes.h"
#include "display/palette.h"
#include "input/board_click.h"
#include "input/hit_test.h"
#include "input/picker_pad.h"
#include "support/display_scene.h"

namespace drz {
namespace {

using platform::Rgb;

TEST(HitTest, FirstGridWinsAndFarEdgesBelongToNoGrid) {
    EXPECT_EQ(HitTest(29, 35), (CellHit{1, 1, 1}));
    EXPECT_EQ(HitTest(29 + 296, 35 + 224), (CellHit{1, 9, 9}));
    // The shared box of grids 1 and 4 is edited through grid 1.
    EXPECT_EQ(HitTest(227 + 5, 185 + 5), (CellHit{1, 7, 7}));
    EXPECT_EQ(HitTest(29 + 297, 35 + 5), std::nullopt);            // right edge of grid 1, left of grid 2's start
    EXPECT_EQ(HitTest(29 + 5, 35 + 225), std::nullopt);            // bottom edge of grid 1, above grid 6
    EXPECT_EQ(HitTest(227 + 297, 185 + 160), (CellHit{7, 4, 1}));  // right edge of grid 4 lies in grid 7
    EXPECT_EQ(HitTest(500, 900), std::nullopt);
    EXPECT_EQ(HitTest(821 + 296, 635 + 224), (CellHit{13, 9, 9}));
}

TEST(PadKeys, NumeralsLettersAndClears) {
    struct Case {
        int typed;
        bool numerals;
        int digit;
    };
    for (const Case c : {Case{'5', true, 5},
                         {'0', true, 0},
                         {27, true, 0},
                         {'c', true, -1},
                         {' ', true, -1},
                         {'c', false, 3},
                         {'i', false, 9},
                         {'3', false, -1},
                         {'`', false, 0},
                         {27, false, 0},
                         {'C', false, -1},
                         {8, false, -1}})
        EXPECT_EQ(PadDigitOfKey(c.typed, c.numerals), c.digit) << c.typed << " " << c.numerals;
}

class PadScreen : public ::testing::Test, public test::DisplayScene {
protected:
    void SetUp() override {
        OpenWindow();
        window.Screen().Clear(Palette[12]);
        board.Cell(4, 2, 4) = 6;
        board.Given(4, 3, 4) = board.Cell(4, 3, 4) = 2;
        RedrawCells(d, VerdictOf(board));
    }
    Rgb At(int x, int y) { return window.Screen().PixelAt(x, y); }
    platform::Picture Area() { return window.Screen().Save(left - 2, top - 2, left + 47, top + 47); }
    bool Same(const platform::Picture& a) {
        platform::Canvas one, two;
        one.Restore(a, 0, 0);
        two.Restore(Area(), 0, 0);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x)
                if (!(one.PixelAt(x, y) == two.PixelAt(x, y))) return false;
        return true;
    }

    // Leftmost column with black ink inside square n of the pad, relative to the square's corner.
    static int InkColumn(const platform::Canvas& c, int sx, int sy) {
        for (int px = sx + 1; px < sx + 15; ++px)
            for (int py = sy + 1; py < sy + 15; ++py)
                if (c.PixelAt(px, py) == Palette[0]) return px - sx;
        return -1;
    }
    // Where the glyph's ink starts when the glyph stands at `offset` from a corner.
    static int ReferenceColumn(std::string_view glyph, int offset) {
        platform::Canvas c;
        c.Clear(Palette[15]);
        c.SetFont(FontForCode(kFontPad, false));
        c.SetForeground(Palette[0]);
        c.SetOpaqueText(false);
        c.Text(100 + offset, 101, glyph);
        return InkColumn(c, 100, 100);
    }

    InputState in;
    const CellRef cell{4, 2, 4};
    const int left = CellLeft(4, 2) - 8, top = CellTop(4, 4) - 8;
};

TEST_F(PadScreen, DrawnHoveredAndRestored) {
    const platform::Picture before = Area();
    in.HoverDigit = 5;
    DrawPickerPad(d, in, cell);
    EXPECT_EQ(panels.HelpText, "Rechte Taste löscht Feld!");
    EXPECT_FALSE(clock.PadBusy);
    // Black borders every 15 pixels; square 5 light grey, the others white; a glyph in each.
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(At(left + 15 * i, top + 20), Palette[0]) << i;
    EXPECT_EQ(At(left + 45, top + 45), Palette[0]);
    EXPECT_EQ(At(left + 16 + 12, top + 16 + 12), Palette[7]);
    EXPECT_EQ(At(left + 1 + 12, top + 1 + 12), Palette[15]);
    for (int n = 1; n <= 9; ++n) {
        const int sx = left + 15 * ((n - 1) % 3), sy = top + 15 * ((n - 1) / 3);
        int ink = 0;
        for (int py = sy + 1; py < sy + 15; ++py)
            for (int px = sx + 1; px < sx + 15; ++px) ink += At(px, py) == Palette[0];
        EXPECT_GT(ink, 5) << n;
    }
    EXPECT_EQ(InkColumn(window.Screen(), left + 15, top), ReferenceColumn("2", 3));  // numerals 3 px in
    // The pointer onto square 9: it turns grey, square 5 white again.
    in.PickerActive = true;
    in.PadCell = cell;
    PointerMoved(d, in, left + 40, top + 40);
    EXPECT_EQ(in.HoverDigit, 9);
    EXPECT_EQ(At(left + 31 + 12, top + 31 + 12), Palette[7]);
    EXPECT_EQ(At(left + 16 + 12, top + 16 + 12), Palette[15]);
    // Off the pad: the highlight stays.
    PointerMoved(d, in, 900, 700);
    EXPECT_EQ(in.HoverDigit, 9);
    EXPECT_EQ(in.MouseX, 900);
    in.PickerActive = false;

    // A right click anywhere ends the pad: the screen under it comes back exactly; the board is the caller's.
    window.PostInput({platform::kRightButtonDown, 2, 5, 5});
    EXPECT_TRUE(OpenPicker(d, in, cell).clear);
    EXPECT_EQ(board.Cell(4, 2, 4), 6);
    EXPECT_EQ(panels.HelpText, "Bitte ein Feld anklicken! ");
    EXPECT_TRUE(Same(before));
}

TEST_F(PadScreen, LettersAndTheLeftClickOutside) {
    options.ShowNumerals = false;
    RedrawCells(d, VerdictOf(board));
    DrawPickerPad(d, in, cell);  // letters 2 px in, the narrow "I" 6
    EXPECT_EQ(InkColumn(window.Screen(), left, top), ReferenceColumn("A", 2));
    EXPECT_EQ(InkColumn(window.Screen(), left + 30, top + 30), ReferenceColumn("I", 6));
    window.Screen().Restore(in.SavedBackground, left, top);
    in.BackgroundSaved = false;
    const platform::Picture before = Area();
    in.HoverDigit = 1;
    // Left click outside the pad: ignored; "3" ignored with letters; "c" enters 3.
    window.PostInput({platform::kLeftButtonDown, 1, 600, 600});
    window.PostInput({platform::kChar, '3', 0, 0});
    window.PostInput({platform::kChar, 'c', 0, 0});
    const platform::InputEvent onCell{platform::kLeftButtonDown, 1, CellLeft(4, 2) + 3, CellTop(4, 4) + 3};
    BoardClick click = PlayBoardClick(d, in, onCell);
    EXPECT_TRUE(click.hitCell);
    ASSERT_TRUE(click.step);
    EXPECT_EQ(click.step->kind, StepKind::EnterDigit);
    EXPECT_EQ(board.Cell(4, 2, 4), 3);
    EXPECT_EQ(in.HoverDigit, 3);
    EXPECT_EQ(in.PadKeyRelease, 'C');
    // The pad reopens on the digit used last: a click in it before the pointer moves enters that digit.
    window.PostInput({platform::kLeftButtonDown, 1, left + 2, top + 2});
    EXPECT_TRUE(PlayBoardClick(d, in, onCell).hitCell);
    EXPECT_EQ(board.Cell(4, 2, 4), 3);
    board.Cell(4, 2, 4) = 6;
    DrawCell(d, cell, 6);
    EXPECT_TRUE(Same(before));
    // A given is not touched; a click beside every grid hits nothing.
    click = PlayBoardClick(d, in, {platform::kLeftButtonDown, 1, CellLeft(4, 3) + 3, CellTop(4, 4) + 3});
    EXPECT_TRUE(click.hitCell);
    EXPECT_FALSE(click.step);
    EXPECT_FALSE(PlayBoardClick(d, in, {platform::kLeftButtonDown, 1, 5, 5}).hitCell);
    EXPECT_EQ(board.Cell(4, 3, 4), 2);
}

}  // namespace
}  // namespace drz
