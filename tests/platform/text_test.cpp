// Fonts and text: faces the historic names resolve to, cell metrics, fixed pitch, placement and opaque cells.
#include <gtest/gtest.h>

#include <QFontInfo>

#include "ink.h"
#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/font_resolver.h"

namespace drz::platform {
namespace {

using namespace test;

const FontRequest kCandidateFont = FontRequest::Logical("ARIAL", 10, 5, 200);
const FontRequest kPadFont = FontRequest::Logical("ARIAL", 15, 8, 200);
const FontRequest kTerminal = FontRequest::Logical("Terminal", 12, 8, 400, true);
const FontRequest kFixedsys = FontRequest::Named("Fixedsys", 9);
const FontRequest kCellFont = FontRequest::Logical("ARIAL", 25, 12, 500);
const FontRequest kSystem = FontRequest::Named("System", 9.75);

TEST(FontFaces, HistoricNamesResolveToTheLiberationFaces) {
    EXPECT_EQ(Application::ResolvedFamily("ARIAL"), "Liberation Sans");
    EXPECT_EQ(Application::ResolvedFamily("Arial"), "Liberation Sans");
    EXPECT_EQ(Application::ResolvedFamily("System"), "Liberation Sans");
    EXPECT_EQ(Application::ResolvedFamily("Terminal"), "Liberation Mono");
    EXPECT_EQ(Application::ResolvedFamily("Fixedsys"), "Liberation Mono");
}

TEST(FontFaces, PointsBecomePixelsAtNinetySixDotsPerInch) {
    EXPECT_EQ(PointsToPixels(9), 12);
    EXPECT_EQ(PointsToPixels(9.75), 13);
    EXPECT_EQ(PointsToPixels(24), 32);
    EXPECT_EQ(PointsToPixels(12), 16);
}

TEST(FontMetrics, LogicalHeightIsTheCharacterCell) {
    EXPECT_EQ(ResolveFont(kCandidateFont).CellHeight(), 10);
    EXPECT_EQ(ResolveFont(kPadFont).CellHeight(), 15);
    EXPECT_EQ(ResolveFont(kTerminal).CellHeight(), 12);
    EXPECT_EQ(ResolveFont(kCellFont).CellHeight(), 25);
    EXPECT_EQ(ResolveFont(kFixedsys).CellHeight(), 15);
}

TEST(FontMetrics, NamedAndStockFontsUsePixelSizes) {
    EXPECT_EQ(ResolveFont(kSystem).font.pixelSize(), 13);
    EXPECT_TRUE(ResolveFont(kSystem).font.bold());
    EXPECT_EQ(ResolveFont(FontRequest::Named("ARIAL", 9)).font.pixelSize(), 12);
    EXPECT_EQ(ResolveFont(FontRequest::Stock()).font.pixelSize(), 13);
    EXPECT_FALSE(ResolveFont(FontRequest::Stock()).font.bold());
    EXPECT_EQ(ResolveFont(FontRequest::Stock()).fixedAdvance, 0);
}

TEST(FontMetrics, WeightsMapOntoTheFace) {
    EXPECT_FALSE(ResolveFont(kCellFont).font.bold());
    EXPECT_TRUE(ResolveFont(FontRequest::Logical("ARIAL", 25, 12, 700)).font.bold());
    EXPECT_EQ(ResolveFont(kCandidateFont).font.weight(), 200);
    // The faces come in regular and bold only: medium and light draw regular, "System" draws bold.
    EXPECT_EQ(QFontInfo(ResolveFont(kCellFont).font).styleName(), "Regular");
    EXPECT_EQ(QFontInfo(ResolveFont(kCandidateFont).font).styleName(), "Regular");
    EXPECT_EQ(QFontInfo(ResolveFont(kSystem).font).styleName(), "Bold");
}

class TextTest : public ::testing::Test {
protected:
    void SetUp() override { c.Clear(kWhite); }
    Canvas c;
};

TEST_F(TextTest, DigitsOfProportionalFontsAreAboutTheRequestedWidth) {
    for (const FontRequest& f : {kCandidateFont, kPadFont, kCellFont}) {
        c.SetFont(f);
        const double digit = c.TextWidth("0123456789") / 10.0;
        EXPECT_NEAR(digit, f.widthPx, f.widthPx * 0.12) << f.heightPx;
    }
}

TEST_F(TextTest, FixedPitchFontsAdvanceExactlyEightPixels) {
    for (const FontRequest& f : {kTerminal, kFixedsys}) {
        c.SetFont(f);
        EXPECT_EQ(c.TextWidth("W"), 8);
        EXPECT_EQ(c.TextWidth("il"), 16);
        EXPECT_EQ(c.TextWidth("Bitte Menupunkt auswählen!"), 26 * 8);
        EXPECT_EQ(c.TextWidth(""), 0);
    }
}

TEST_F(TextTest, FixedPitchCharactersStandInTheirOwnCells) {
    c.SetFont(kTerminal);
    c.SetOpaqueText(false);
    c.Text(100, 100, "|||");
    for (int i = 0; i < 3; ++i) {
        const InkBox bar = FindInk(c, 100 + 8 * i, 95, 107 + 8 * i, 120, kWhite);
        EXPECT_FALSE(bar.Empty()) << i;
    }
    const InkBox first = FindInk(c, 100, 95, 107, 120, kWhite);
    const InkBox third = FindInk(c, 116, 95, 123, 120, kWhite);
    EXPECT_EQ(third.left - first.left, 16);
}

TEST_F(TextTest, TextIsPlacedByTheTopLeftOfItsCell) {
    for (const FontRequest& f : {kSystem, kTerminal, kCellFont, kFixedsys}) {
        c.Clear(kWhite);
        c.SetFont(f);
        c.SetOpaqueText(false);
        c.Text(200, 300, "E");
        const InkBox ink = FindInk(c, 180, 280, 260, 360, kWhite);
        ASSERT_FALSE(ink.Empty());
        EXPECT_GE(ink.top, 300);
        EXPECT_LE(ink.top, 300 + ResolveFont(f).ascent / 2 + 2);
        EXPECT_GE(ink.left, 200);
        EXPECT_LE(ink.left, 203);
        EXPECT_LT(ink.bottom, 300 + ResolveFont(f).ascent);  // "E" stands on the baseline
    }
}

TEST_F(TextTest, OpaqueTextFillsItsCellsTransparentTextDoesNot) {
    c.Clear(kRed);
    c.SetFont(kTerminal);
    c.SetFill(kWhite);
    c.SetOpaqueText(true);
    c.Text(50, 60, "ab ");
    EXPECT_EQ(c.PixelAt(50, 60), kWhite);
    EXPECT_EQ(c.PixelAt(50 + 24 - 1, 60 + 12 - 1), kWhite);
    EXPECT_EQ(c.PixelAt(50 + 24, 60), kRed);
    EXPECT_EQ(c.PixelAt(50, 60 + 12), kRed);
    EXPECT_EQ(c.PixelAt(49, 60), kRed);
    EXPECT_GT(CountColour(c, 50, 60, 73, 71, kBlack), 10);

    c.Clear(kRed);
    c.SetOpaqueText(false);
    c.Text(50, 60, "ab ");
    EXPECT_EQ(CountColour(c, 40, 50, 90, 90, kWhite), 0);
    EXPECT_GT(CountColour(c, 50, 60, 73, 71, kBlack), 10);
}

TEST_F(TextTest, TextHasOnlyTheColoursDrawn) {
    c.SetFont(kCellFont);
    c.SetFill(kGrey);
    c.SetForeground(kBlue);
    c.Text(10, 10, "8");
    const int all = 60 * 40;
    EXPECT_EQ(CountColour(c, 10, 10, 69, 49, kBlue) + CountColour(c, 10, 10, 69, 49, kGrey) +
                  CountColour(c, 10, 10, 69, 49, kWhite),
              all);
}

TEST_F(TextTest, XorTextTwiceRestores) {
    c.SetFill(kGrey);
    c.FilledBox(0, 0, 100, 50);
    const Picture before = c.Save(0, 0, 120, 60);
    c.SetMix(MixMode::Xor);
    c.SetForeground(kWhite);
    c.SetFont(kPadFont);
    for (bool opaque : {false, true}) {
        c.SetOpaqueText(opaque);
        c.Text(5, 5, "7 Gäste");
        c.Text(5, 5, "7 Gäste");
    }
    Canvas copy;
    copy.Restore(before, 0, 0);
    for (int y = 0; y <= 60; ++y)
        for (int x = 0; x <= 120; ++x) ASSERT_EQ(c.PixelAt(x, y), copy.PixelAt(x, y));
}

TEST_F(TextTest, UmlautsAndSharpSDraw) {
    c.SetOpaqueText(false);
    for (const FontRequest& f : {kTerminal, kSystem, kFixedsys, kCellFont}) {
        c.SetFont(f);
        for (const char* s : {"ä", "ö", "ü", "ß", "Ä", "Ö", "Ü"}) {
            c.Clear(kWhite);
            c.Text(20, 20, s);
            EXPECT_GT(FindInk(c, 0, 0, 80, 80, kWhite).count, 5) << s;
            EXPECT_GT(c.TextWidth(s), 0) << s;
        }
    }
    c.SetFont(kTerminal);
    EXPECT_EQ(c.TextWidth("gelöst"), 6 * 8);  // one cell per character, not per byte
}

TEST_F(TextTest, UmlautDotsStandAboveTheLetter) {
    c.SetFont(kSystem);
    c.SetOpaqueText(false);
    c.Text(20, 20, "a");
    const InkBox plain = FindInk(c, 0, 0, 80, 80, kWhite);
    c.Clear(kWhite);
    c.Text(20, 20, "ä");
    const InkBox umlaut = FindInk(c, 0, 0, 80, 80, kWhite);
    EXPECT_LT(umlaut.top, plain.top);
    EXPECT_GT(umlaut.count, plain.count);
}

TEST_F(TextTest, TheSameTextInAnotherFontOrColourIsDrawnAnew) {
    c.SetOpaqueText(false);
    c.SetFont(kCandidateFont);
    c.Text(10, 10, "5");
    const InkBox small = FindInk(c, 0, 0, 60, 60, kWhite);
    c.Clear(kWhite);
    c.SetFont(kCellFont);
    c.Text(10, 10, "5");
    const InkBox large = FindInk(c, 0, 0, 60, 60, kWhite);
    EXPECT_GT(large.bottom - large.top, small.bottom - small.top + 5);
    c.SetForeground(kRed);
    c.Text(10, 10, "5");
    EXPECT_EQ(CountColour(c, 0, 0, 60, 60, kRed), large.count);
    EXPECT_EQ(CountColour(c, 0, 0, 60, 60, kBlack), 0);
}

}  // namespace
}  // namespace drz::platform
