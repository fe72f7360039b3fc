// Bevelled frames, engraved labels, font codes and the drawing state they leave.
#include "display/board_view.h"
#include "display/font_codes.h"
#include "screen_fixture.h"

namespace drz::test {
namespace {

using Frames = ScreenTest;

TEST_F(Frames, RaisedFrameHasThreeLinesPerSide) {
    DrawFrame3D(d, 0, 2, 100, 100, 200, 160);
    for (int i : {0, 1, 2}) {
        EXPECT_EQ(At(150, 100 + i), Pal(15));
        EXPECT_EQ(At(100 + i, 130), Pal(15));
        EXPECT_EQ(At(150, 160 - i), Pal(8));
        EXPECT_EQ(At(200 - i, 130), Pal(8));
    }
    EXPECT_EQ(At(150, 103), Pal(12));
    EXPECT_EQ(At(103, 130), Pal(12));
    EXPECT_EQ(At(150, 157), Pal(12));
    EXPECT_EQ(At(197, 130), Pal(12));
    EXPECT_EQ(screen().Foreground(), Pal(0));
}

TEST_F(Frames, SunkenFrameHasTwoLinesPerSideDarkAboveAndLeft) {
    DrawFrame3D(d, 1, 2, 100, 100, 200, 160);
    for (int i : {0, 1}) {
        EXPECT_EQ(At(150, 100 + i), Pal(8));
        EXPECT_EQ(At(100 + i, 130), Pal(8));
        EXPECT_EQ(At(150, 160 - i), Pal(15));
        EXPECT_EQ(At(200 - i, 130), Pal(15));
    }
    EXPECT_EQ(At(150, 102), Pal(12));
    EXPECT_EQ(At(198, 130), Pal(12));
    EXPECT_EQ(screen().Foreground(), Pal(0));
}

TEST_F(Frames, FrameCornersFollowTheDrawingOrder) {
    // The dark bottom line reaches the right edge and no further; the corners top-right and bottom-left are dark.
    DrawFrame3D(d, 0, 1, 100, 100, 200, 160);
    EXPECT_EQ(At(200, 160), Pal(8));
    EXPECT_EQ(At(201, 160), Pal(12));
    EXPECT_EQ(At(100, 161), Pal(12));
    EXPECT_EQ(At(100, 159), Pal(15));
    EXPECT_EQ(At(200, 100), Pal(8));
    EXPECT_EQ(At(100, 160), Pal(8));
    EXPECT_EQ(At(100, 100), Pal(15));
}

TEST_F(Frames, LabelIsEngravedAndLeavesFont8OnSilver) {
    DrawLabel(d, kFontTitle, 1, 300, 300, "TITEL:");
    const auto red = FindInk(screen(), 280, 270, 400, 310, Pal(12));
    ASSERT_TRUE(red.has_value());
    // The coloured text sits one pixel up and left of its white copy, 14 pixels above the given y.
    int redCount = 0, whiteCount = 0;
    for (int y = 270; y <= 310; ++y)
        for (int x = 280; x <= 400; ++x) {
            if (At(x, y) == Pal(1)) {
                ++redCount;
                EXPECT_GE(y, 300 - 15);
                EXPECT_GE(x, 299);
            }
            whiteCount += At(x, y) == Pal(15) ? 1 : 0;
        }
    EXPECT_GT(redCount, 20);
    EXPECT_GT(whiteCount, 5);
    EXPECT_LT(red->y2, 300);
    EXPECT_EQ(screen().Foreground(), Pal(0));
    EXPECT_EQ(screen().Fill(), Pal(7));
    EXPECT_TRUE(screen().OpaqueText());
}

TEST_F(Frames, LargeFontLayoutMovesCaptionLabels21Right) {
    DrawLabel(d, kFontCaption, 0, 300, 300, "Laden");
    const auto plain = FindInk(screen(), 250, 270, 450, 310, Pal(12));
    window.SetBackground(Pal(12));
    panels.LargeFontFallback = true;
    DrawLabel(d, kFontCaption, 0, 300, 300, "Laden");
    const auto shifted = FindInk(screen(), 250, 270, 450, 310, Pal(12));
    ASSERT_TRUE(plain && shifted);
    if (!window.LargeFonts()) {
        EXPECT_EQ(shifted->x1 - plain->x1, 21);
    }
    // Other fonts are not moved.
    window.SetBackground(Pal(12));
    DrawLabel(d, kFontTitle, 0, 300, 300, "Laden");
    const auto title = FindInk(screen(), 250, 270, 450, 310, Pal(12));
    ASSERT_TRUE(title.has_value());
    EXPECT_LT(title->x1, 305);
}

TEST(FontCodes, EachCodeAsksForItsFont) {
    using K = platform::FontRequest::Kind;
    const auto candidate = FontForCode(4, false);
    EXPECT_EQ(candidate.kind, K::Logical);
    EXPECT_EQ(candidate.face, "ARIAL");
    EXPECT_EQ(candidate.heightPx, 10);
    EXPECT_EQ(candidate.widthPx, 5);
    EXPECT_EQ(candidate.weight, 200);
    const auto pad = FontForCode(6, false);
    EXPECT_EQ(pad.face, "ARIAL");
    EXPECT_EQ(pad.heightPx, 15);
    EXPECT_EQ(pad.widthPx, 8);
    const auto text = FontForCode(8, false);
    EXPECT_EQ(text.face, "Terminal");
    EXPECT_EQ(text.heightPx, 12);
    EXPECT_EQ(text.widthPx, 8);
    EXPECT_EQ(text.weight, 400);
    EXPECT_TRUE(text.fixedPitch);
    const auto caption = FontForCode(14, false);
    EXPECT_EQ(caption.kind, K::ByNameAndSize);
    EXPECT_EQ(caption.face, "Fixedsys");
    EXPECT_DOUBLE_EQ(caption.points, 9.0);
    const auto digit = FontForCode(20, false);
    EXPECT_EQ(digit.face, "ARIAL");
    EXPECT_EQ(digit.heightPx, 25);
    EXPECT_EQ(digit.widthPx, 12);
    EXPECT_EQ(digit.weight, 500);
    for (int other : {0, 16, 99}) {
        const auto title = FontForCode(other, false);
        EXPECT_EQ(title.kind, K::ByNameAndSize);
        EXPECT_EQ(title.face, "System");
        EXPECT_DOUBLE_EQ(title.points, 9.75);
    }
}

TEST(FontCodes, LargeFontsSubstitute) {
    using K = platform::FontRequest::Kind;
    const auto text = FontForCode(8, true);
    EXPECT_EQ(text.face, "ARIAL");
    EXPECT_EQ(text.heightPx, 15);
    EXPECT_EQ(text.widthPx, 8);
    EXPECT_EQ(text.weight, 200);
    EXPECT_FALSE(text.fixedPitch);
    EXPECT_EQ(FontForCode(14, true).kind, K::StockVariable);
    EXPECT_EQ(FontForCode(16, true).kind, K::StockVariable);
    EXPECT_EQ(FontForCode(20, true).face, "ARIAL");  // the logical fonts stay
    EXPECT_EQ(FontForCode(4, true).heightPx, 10);
    EXPECT_TRUE(SetsLargeFontFallback(8, true));
    EXPECT_FALSE(SetsLargeFontFallback(8, false));
    EXPECT_FALSE(SetsLargeFontFallback(14, true));
}

TEST_F(Frames, UseFontNeverResetsTheFallback) {
    UseFont(d, 20);
    UseFont(d, 8);
    EXPECT_EQ(panels.LargeFontFallback, window.LargeFonts());
    panels.LargeFontFallback = true;
    UseFont(d, 8);
    UseFont(d, 4);
    EXPECT_TRUE(panels.LargeFontFallback);
}

}  // namespace
}  // namespace drz::test
