// The pixel conventions of the screen: line ends, pen widths, inclusive boxes, mix modes, saved pictures.
#include <gtest/gtest.h>

#include "ink.h"
#include "platform/canvas.h"

namespace drz::platform {
namespace {

using namespace test;

class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override { c.Clear(kWhite); }
    Canvas c;
};

TEST_F(CanvasTest, StartsWithTheConventionalState) {
    Canvas fresh;
    EXPECT_EQ(fresh.Foreground(), kBlack);
    EXPECT_EQ(fresh.Fill(), kWhite);
    EXPECT_EQ(fresh.LineWidth(), 1);
    EXPECT_EQ(fresh.Mix(), MixMode::Copy);
    EXPECT_TRUE(fresh.OpaqueText());
}

TEST_F(CanvasTest, HorizontalLineLeavesOutItsLastPoint) {
    c.Line(10, 20, 15, 20);
    for (int x = 10; x < 15; ++x) EXPECT_EQ(c.PixelAt(x, 20), kBlack) << x;
    EXPECT_EQ(c.PixelAt(15, 20), kWhite);
    EXPECT_EQ(c.PixelAt(9, 20), kWhite);
    EXPECT_EQ(FindInk(c, 0, 0, 40, 40, kWhite).count, 5);
}

TEST_F(CanvasTest, LinesDrawnBackwardsAlsoLeaveOutTheSecondPoint) {
    c.Line(15, 20, 10, 20);
    EXPECT_EQ(c.PixelAt(10, 20), kWhite);
    for (int x = 11; x <= 15; ++x) EXPECT_EQ(c.PixelAt(x, 20), kBlack) << x;
    c.Clear(kWhite);
    c.Line(30, 9, 30, 3);
    EXPECT_EQ(c.PixelAt(30, 3), kWhite);
    EXPECT_EQ(FindInk(c, 0, 0, 40, 40, kWhite).count, 6);
}

TEST_F(CanvasTest, VerticalLineAndEmptyLine) {
    c.Line(7, 3, 7, 9);
    EXPECT_EQ(c.PixelAt(7, 3), kBlack);
    EXPECT_EQ(c.PixelAt(7, 8), kBlack);
    EXPECT_EQ(c.PixelAt(7, 9), kWhite);
    c.Line(20, 20, 20, 20);
    EXPECT_EQ(c.PixelAt(20, 20), kWhite);
}

TEST_F(CanvasTest, WidthTwoLineCoversTheCoordinateAndTheOneBefore) {
    c.SetLineWidth(2);
    c.Line(10, 20, 14, 20);
    const InkBox ink = FindInk(c, 0, 0, 40, 40, kWhite);
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.right, 13);
    EXPECT_EQ(ink.top, 19);
    EXPECT_EQ(ink.bottom, 20);
    EXPECT_EQ(ink.count, 8);
    c.Clear(kWhite);
    c.Line(5, 5, 5, 8);
    const InkBox v = FindInk(c, 0, 0, 40, 40, kWhite);
    EXPECT_EQ(v.left, 4);
    EXPECT_EQ(v.right, 5);
    EXPECT_EQ(v.top, 5);
    EXPECT_EQ(v.bottom, 7);
}

TEST_F(CanvasTest, WideLinesGrowSymmetrically) {
    c.SetLineWidth(5);
    c.Line(20, 30, 25, 30);
    InkBox ink = FindInk(c, 0, 0, 60, 60, kWhite);
    EXPECT_EQ(ink.top, 28);
    EXPECT_EQ(ink.bottom, 32);
    EXPECT_EQ(ink.left, 20);
    EXPECT_EQ(ink.right, 24);
    c.Clear(kWhite);
    c.SetLineWidth(7);
    c.Line(30, 10, 30, 12);
    ink = FindInk(c, 0, 0, 60, 60, kWhite);
    EXPECT_EQ(ink.left, 27);
    EXPECT_EQ(ink.right, 33);
    EXPECT_EQ(ink.count, 14);
}

TEST_F(CanvasTest, SlantedLineLeavesOutItsLastPoint) {
    c.Line(0, 0, 5, 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(c.PixelAt(i, i), kBlack) << i;
    EXPECT_EQ(c.PixelAt(5, 5), kWhite);
    EXPECT_EQ(FindInk(c, 0, 0, 20, 20, kWhite).count, 5);
}

TEST_F(CanvasTest, BoxOutlineIncludesBothCorners) {
    c.BoxOutline(10, 10, 20, 15);
    EXPECT_EQ(c.PixelAt(10, 10), kBlack);
    EXPECT_EQ(c.PixelAt(20, 10), kBlack);
    EXPECT_EQ(c.PixelAt(10, 15), kBlack);
    EXPECT_EQ(c.PixelAt(20, 15), kBlack);
    EXPECT_EQ(c.PixelAt(11, 11), kWhite);
    EXPECT_EQ(c.PixelAt(21, 15), kWhite);
    EXPECT_EQ(c.PixelAt(20, 16), kWhite);
    EXPECT_EQ(FindInk(c, 0, 0, 40, 40, kWhite).count, 2 * 11 + 2 * 4);
}

TEST_F(CanvasTest, WidthTwoOutlineCoversCoordinateMinusOneAndCoordinate) {
    c.SetLineWidth(2);
    c.BoxOutline(10, 10, 20, 16);
    const InkBox ink = FindInk(c, 0, 0, 40, 40, kWhite);
    EXPECT_EQ(ink.left, 9);
    EXPECT_EQ(ink.right, 20);
    EXPECT_EQ(ink.top, 9);
    EXPECT_EQ(ink.bottom, 16);
    for (int x : {9, 10, 19, 20}) EXPECT_EQ(c.PixelAt(x, 13), kBlack) << x;
    for (int y : {9, 10, 15, 16}) EXPECT_EQ(c.PixelAt(15, y), kBlack) << y;
    EXPECT_EQ(c.PixelAt(11, 13), kWhite);
    EXPECT_EQ(c.PixelAt(18, 13), kWhite);
    EXPECT_EQ(c.PixelAt(15, 11), kWhite);
    EXPECT_EQ(c.PixelAt(15, 14), kWhite);
}

TEST_F(CanvasTest, FilledBoxHasForegroundBorderAndFillInside) {
    c.SetForeground(kBlack);
    c.SetFill(kGrey);
    c.FilledBox(30, 40, 35, 44);
    EXPECT_EQ(c.PixelAt(30, 40), kBlack);
    EXPECT_EQ(c.PixelAt(35, 44), kBlack);
    EXPECT_EQ(c.PixelAt(33, 40), kBlack);
    EXPECT_EQ(c.PixelAt(31, 41), kGrey);
    EXPECT_EQ(c.PixelAt(34, 43), kGrey);
    EXPECT_EQ(c.PixelAt(36, 44), kWhite);
    EXPECT_EQ(CountColour(c, 25, 35, 40, 50, kGrey), 4 * 3);
}

TEST_F(CanvasTest, FilledBoxWithCornersSwappedIsTheSameBox) {
    c.SetFill(kGrey);
    c.FilledBox(35, 44, 30, 40);
    EXPECT_EQ(c.PixelAt(30, 40), kBlack);
    EXPECT_EQ(c.PixelAt(31, 41), kGrey);
    EXPECT_EQ(CountColour(c, 25, 35, 40, 50, kGrey), 12);
}

TEST_F(CanvasTest, CellFaceBetweenGridLinesKeepsTheLines) {
    // A cell face drawn from L+1 to L+32 between lines at L and L+33 leaves both lines intact.
    c.BoxOutline(100, 100, 133, 125);
    c.SetForeground(kWhite);
    c.SetFill(kWhite);
    c.FilledBox(101, 101, 132, 124);
    EXPECT_EQ(c.PixelAt(100, 110), kBlack);
    EXPECT_EQ(c.PixelAt(133, 110), kBlack);
    EXPECT_EQ(c.PixelAt(110, 100), kBlack);
    EXPECT_EQ(c.PixelAt(110, 125), kBlack);
}

TEST_F(CanvasTest, XorTwiceRestoresThePicture) {
    c.SetFill(kRed);
    c.FilledBox(5, 5, 60, 40);
    const Picture before = c.Save(0, 0, 80, 80);
    c.SetMix(MixMode::Xor);
    c.SetForeground(Rgb{0x12, 0x34, 0x56});
    for (int width : {1, 2, 5, 7}) {
        c.SetLineWidth(width);
        c.Line(0, 20, 70, 20);
        c.Line(3, 2, 50, 61);
        c.BoxOutline(8, 9, 44, 30);
        c.FilledBox(2, 2, 6, 6);
        c.Line(0, 20, 70, 20);
        c.Line(3, 2, 50, 61);
        c.BoxOutline(8, 9, 44, 30);
        c.FilledBox(2, 2, 6, 6);
    }
    Canvas copy;
    copy.Restore(before, 0, 0);
    for (int y = 0; y <= 80; ++y)
        for (int x = 0; x <= 80; ++x) ASSERT_EQ(c.PixelAt(x, y), copy.PixelAt(x, y)) << x << "," << y;
}

TEST_F(CanvasTest, XorOutlineTouchesEveryPixelOnceEvenAtTheCorners) {
    c.SetMix(MixMode::Xor);
    c.SetForeground(kWhite);
    c.SetLineWidth(2);
    c.BoxOutline(10, 10, 12, 12);  // so small that the sides meet
    EXPECT_EQ(FindInk(c, 0, 0, 30, 30, kWhite).count, 16);
    EXPECT_EQ(CountColour(c, 0, 0, 30, 30, kBlack), 16);
}

TEST_F(CanvasTest, MergeOrsTheColourIntoThePicture) {
    c.Clear(Rgb{0x10, 0x20, 0x00});
    c.SetMix(MixMode::Merge);
    c.SetForeground(Rgb{0x01, 0x02, 0x80});
    c.Line(0, 0, 3, 0);
    EXPECT_EQ(c.PixelAt(1, 0), (Rgb{0x11, 0x22, 0x80}));
    EXPECT_EQ(c.PixelAt(3, 0), (Rgb{0x10, 0x20, 0x00}));
}

TEST_F(CanvasTest, DrawingOutsideTheScreenIsClipped) {
    c.SetLineWidth(7);
    c.Line(-50, 2, kScreenWidth + 50, 2);
    c.BoxOutline(-10, -10, kScreenWidth + 10, kScreenHeight + 10);
    c.Text(kScreenWidth - 3, kScreenHeight - 3, "Überlauf");
    EXPECT_EQ(c.PixelAt(0, 0), kBlack);
    EXPECT_EQ(c.PixelAt(kScreenWidth + 1, 0), Rgb{});  // outside reads as nothing
}

TEST_F(CanvasTest, SaveAndRestoreArePixelExactWhateverTheMixMode) {
    c.SetFill(kGrey);
    c.FilledBox(10, 10, 30, 30);
    c.Text(12, 12, "Äx");
    const Picture saved = c.Save(10, 10, 30, 30);
    EXPECT_EQ(saved.Width(), 21);
    EXPECT_EQ(saved.Height(), 21);
    Canvas other;
    other.Clear(kRed);
    for (MixMode mode : {MixMode::Copy, MixMode::Xor, MixMode::Merge}) {
        other.SetMix(mode);
        other.Restore(saved, 100, 200);
        for (int y = 0; y <= 20; ++y)
            for (int x = 0; x <= 20; ++x) ASSERT_EQ(other.PixelAt(100 + x, 200 + y), c.PixelAt(10 + x, 10 + y));
        EXPECT_EQ(other.PixelAt(99, 200), kRed);
        EXPECT_EQ(other.PixelAt(121, 200), kRed);
    }
}

TEST_F(CanvasTest, EmptyPictureRestoresNothing) {
    Picture none;
    EXPECT_TRUE(none.IsEmpty());
    c.Restore(none, 0, 0);
    EXPECT_EQ(c.PixelAt(0, 0), kWhite);
}

TEST_F(CanvasTest, ClearAndPngWrite) {
    c.Clear(kBackground);
    EXPECT_EQ(c.PixelAt(kScreenWidth - 1, kScreenHeight - 1), kBackground);
    const std::string path = ::testing::TempDir() + "canvas_test.png";
    EXPECT_TRUE(c.WritePng(path));
}

}  // namespace
}  // namespace drz::platform
