// Cell faces: backgrounds, glyph positions for numerals and letters, box lines kept, the whole redraw.
#include "board/board_ops.h"
#include "board/geometry.h"
#include "display/board_view.h"
#include "display/cell_geometry.h"
#include "display/font_codes.h"
#include "oracle/board_factory.h"
#include "screen_fixture.h"

namespace drz::test {
namespace {

class CellFaces : public ScreenTest {
protected:
    CellFaces() { DrawStartScreen(); }

    // Where the glyph of `digit` lands when written by hand at (x, y) in the cell-digit font.
    std::optional<InkBox> ReferenceInk(int x, int y, int digit) { return GlyphInk(kFontDigit, x, y, digit); }
    std::optional<InkBox> CellInk(int k, int x, int y, platform::Rgb background) {
        const FaceBox f = CellFace(k, x, y);
        return FindInk(screen(), f.x1, f.y1, f.x2, f.y2, background);
    }
};

TEST_F(CellFaces, GivenIsDrawnOnLightGreyAndNotStored) {
    DrawGivenCell(d, {3, 2, 5}, 7);
    const FaceBox f = CellFace(3, 2, 5);
    EXPECT_EQ(At(f.x1, f.y1), Pal(7));
    EXPECT_EQ(At(f.x2, f.y2), Pal(7));
    EXPECT_GT(CountColour(screen(), f.x1, f.y1, f.x2, f.y2, Pal(0)), 20);
    EXPECT_EQ(board.Given(3, 2, 5), 0);  // drawing never changes the board
    ExpectDefaultState("DrawGivenCell");
}

TEST_F(CellFaces, EntryIsDrawnOnWhite) {
    DrawCell(d, {8, 4, 4}, 3);
    const FaceBox f = CellFace(8, 4, 4);
    EXPECT_EQ(At(f.x1, f.y1), Pal(15));
    EXPECT_GT(CountColour(screen(), f.x1, f.y1, f.x2, f.y2, Pal(0)), 20);
    EXPECT_EQ(board.Given(8, 4, 4), 0);
    ExpectDefaultState("DrawCell");
}

TEST_F(CellFaces, DigitZeroLeavesAnEmptyFace) {
    DrawGivenCell(d, {1, 1, 1}, 4);
    DrawCell(d, {1, 1, 1}, 0);
    EXPECT_FALSE(CellInk(1, 1, 1, Pal(15)).has_value());
    DrawGivenCell(d, {1, 1, 1}, 0);
    EXPECT_FALSE(CellInk(1, 1, 1, Pal(7)).has_value());
    EXPECT_EQ(At(CellFace(1, 1, 1).x1, CellFace(1, 1, 1).y1), Pal(7));
}

TEST_F(CellFaces, NumeralsSitSevenPixelsIn) {
    for (int digit = 1; digit <= 9; ++digit) {
        DrawCell(d, {7, 5, 5}, digit);
        const FaceBox f = CellFace(7, 5, 5);
        EXPECT_EQ(CellInk(7, 5, 5, Pal(15)), ReferenceInk(f.x1 + 7, f.y1 - 1, digit)) << digit;
    }
}

TEST_F(CellFaces, LettersSitFivePixelsInAndTheNarrowIEleven) {
    options.ShowNumerals = false;
    for (int digit = 1; digit <= 9; ++digit) {
        DrawGivenCell(d, {7, 5, 5}, digit);
        const FaceBox f = CellFace(7, 5, 5);
        const int offset = digit == 9 ? 11 : 5;
        EXPECT_EQ(CellInk(7, 5, 5, Pal(7)), ReferenceInk(f.x1 + offset, f.y1 - 1, digit)) << digit;
    }
    // The "I" is drawn six pixels further right than where the other letters start.
    DrawCell(d, {7, 5, 5}, 9);
    const auto shifted = CellInk(7, 5, 5, Pal(15));
    const FaceBox f = CellFace(7, 5, 5);
    const auto unshifted = ReferenceInk(f.x1 + 5, f.y1 - 1, 9);
    ASSERT_TRUE(shifted && unshifted);
    EXPECT_EQ(shifted->x1 - unshifted->x1, 6);
}

TEST_F(CellFaces, GlyphsFollowTheOption) {
    EXPECT_EQ(DigitGlyph(options, 1), "1");
    EXPECT_EQ(DigitGlyph(options, 9), "9");
    options.ShowNumerals = false;
    EXPECT_EQ(DigitGlyph(options, 1), "A");
    EXPECT_EQ(DigitGlyph(options, 9), "I");
    EXPECT_EQ(DigitGlyph(options, 0), "");
}

// Around a repainted face every line pixel stays as it was, and every white pixel inside the cell turns to face.
TEST_F(CellFaces, RepaintKeepsCellAndBoxLinesInEveryGridCell) {
    for (int k : {1, 4, 7}) {
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                const int left = CellLeft(k, x), top = CellTop(k, y);
                platform::Canvas before;
                before.Restore(screen().Save(left - 1, top - 1, left + 34, top + 26), left - 1, top - 1);
                DrawGivenCell(d, {k, x, y}, 0);
                for (int py = top - 1; py <= top + 26; ++py)
                    for (int px = left - 1; px <= left + 34; ++px) {
                        const bool inside = px > left && px < left + 33 && py > top && py < top + 25;
                        const platform::Rgb was = before.PixelAt(px, py);
                        const platform::Rgb expected = inside && was == Pal(15) ? Pal(7) : was;
                        ASSERT_EQ(At(px, py), expected)
                            << "grid " << k << " cell " << x << "," << y << " at " << px << "," << py;
                    }
                DrawCell(d, {k, x, y}, 0);
            }
        }
    }
}

TEST_F(CellFaces, BoxLinesStayTwoPixelsBesideRepaintedCells) {
    for (int x : {3, 6, 9})
        for (int y : {3, 6, 9}) DrawGivenCell(d, {2, x, y}, 8);
    const int x0 = GridOriginX[2], y0 = GridOriginY[2];
    for (int c : {1, 2}) {
        EXPECT_EQ(At(x0 + 99 * c - 1, y0 + 62), Pal(4));  // right of the cell in column 3 / 6
        EXPECT_EQ(At(x0 + 99 * c, y0 + 62), Pal(4));
        const platform::Rgb line = c == 2 ? Pal(1) : Pal(4);  // grid 2's bottom-left box is shared: red
        EXPECT_EQ(At(x0 + 80, y0 + 75 * c - 1), line);        // below the cell in row 3 / 6
        EXPECT_EQ(At(x0 + 80, y0 + 75 * c), line);
    }
}

TEST_F(CellFaces, RedrawShowsEveryCellOfABoard) {
    oracle::Rng rng(7);
    board = oracle::RandomPartialBoard(rng, 0.5);
    // Make the filled cells of grids 1..6 givens, the rest entries.
    for (int k = 1; k <= 6; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) board.Given(k, x, y) = board.Cell(k, x, y);
    SyncSharedBoxes(board);
    RedrawCells(d, VerdictOf(board));
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const FaceBox f = CellFace(k, x, y);
                const bool given = board.Given(k, x, y) != 0;
                const platform::Rgb face = given ? Pal(7) : Pal(15);
                SCOPED_TRACE(::testing::Message() << "grid " << k << " cell " << x << "," << y);
                ASSERT_EQ(At(f.x1, f.y1), face);
                ASSERT_EQ(CellInk(k, x, y, face).has_value(), board.Cell(k, x, y) != 0);
            }
    EXPECT_EQ(panels.StatusText, "Keine Fehler! ");
    ExpectDefaultState("RedrawCells");
}

}  // namespace
}  // namespace drz::test
