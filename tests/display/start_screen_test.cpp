// The start screen at its fixed pixels: background, grids, box lines, shared boxes, bevels, panels.
#include <cstdlib>

#include "board/geometry.h"
#include "display/board_outline.h"
#include "display/cell_geometry.h"
#include "display/panel_layout.h"
#include "screen_fixture.h"

namespace drz::test {
namespace {

class StartScreen : public ScreenTest {
protected:
    StartScreen() {
        DrawStartScreen();
        if (const char* path = std::getenv("DRZ_START_PNG")) window.WriteSnapshotPng(path);
    }
    bool IsSharedBoxEdgeColumn(int x) const {
        for (int a : kSharedBoxA)
            if (x == 29 + a || x == 28 + a || x == 128 + a || x == 127 + a) return true;
        return false;
    }
};

TEST_F(StartScreen, BackgroundWhereNothingIsDrawn) {
    const int points[][2] = {{5, 5},     {370, 100}, {1140, 100}, {1300, 200}, {500, 900},  {700, 935},  {570, 297},
                             {370, 447}, {770, 447}, {100, 300},  {1440, 600}, {1180, 760}, {1470, 915}, {5, 880}};
    for (const auto& p : points) EXPECT_EQ(At(p[0], p[1]), Pal(12)) << p[0] << "," << p[1];
}

TEST_F(StartScreen, EveryCellInteriorIsWhite) {
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const FaceBox f = CellFace(k, x, y);
                EXPECT_EQ(CountColour(screen(), f.x1, f.y1, f.x2, f.y2, Pal(15)), (f.x2 - f.x1 + 1) * (f.y2 - f.y1 + 1))
                    << "grid " << k << " cell " << x << "," << y;
            }
}

TEST_F(StartScreen, CellLinesAreBlackOnePixelWide) {
    for (int k = 1; k <= kGridCount; ++k) {
        const int x0 = GridOriginX[k], y0 = GridOriginY[k];
        for (int c : {1, 2, 4, 5, 7, 8}) {
            const int lineX = x0 + 33 * c;
            EXPECT_EQ(At(lineX, y0 + 12), Pal(0)) << "grid " << k << " column line " << c;
            EXPECT_EQ(At(lineX - 1, y0 + 12), Pal(15));
            EXPECT_EQ(At(lineX + 1, y0 + 12), Pal(15));
            const int lineY = y0 + 25 * c;
            EXPECT_EQ(At(x0 + 16, lineY), Pal(0)) << "grid " << k << " row line " << c;
            EXPECT_EQ(At(x0 + 16, lineY - 1), Pal(15));
            EXPECT_EQ(At(x0 + 16, lineY + 1), Pal(15));
        }
    }
}

TEST_F(StartScreen, BoxLinesAreBlueAndTwoPixelsWide) {
    // Grid 2's middle band of boxes is shared with no other grid.
    const int x0 = GridOriginX[2], y0 = GridOriginY[2];
    for (int c : {0, 1, 2, 3}) {
        const int lineX = x0 + 99 * c;
        const int y = y0 + 75 + 12;
        EXPECT_EQ(At(lineX, y), Pal(4)) << "box line " << c;
        EXPECT_EQ(At(lineX - 1, y), Pal(4));
        EXPECT_NE(At(lineX - 2, y), Pal(4));
        EXPECT_NE(At(lineX + 1, y), Pal(4));
    }
    for (int r : {1, 2}) {
        const int lineY = y0 + 75 * r;
        EXPECT_EQ(At(x0 + 99 + 50, lineY), Pal(4));
        EXPECT_EQ(At(x0 + 99 + 50, lineY - 1), Pal(4));
        EXPECT_EQ(At(x0 + 99 + 50, lineY - 2), Pal(15));
        EXPECT_EQ(At(x0 + 99 + 50, lineY + 1), Pal(15));
    }
}

TEST_F(StartScreen, SharedBoxesAreOutlinedInRedOverTheBlueLines) {
    int boxes = 0;
    for (int a : kSharedBoxA)
        for (int b : kSharedBoxB) {
            const int x1 = 29 + a, y1 = 35 + b, x2 = x1 + 99, y2 = y1 + 75;
            for (int x : {x1 - 1, x1, x2 - 1, x2}) EXPECT_EQ(At(x, y1 + 37), Pal(1)) << x1 << "," << y1;
            for (int y : {y1 - 1, y1, y2 - 1, y2}) EXPECT_EQ(At(x1 + 50, y), Pal(1)) << x1 << "," << y1;
            EXPECT_EQ(CountColour(screen(), x1 - 1, y1 - 1, x2, y2, Pal(4)), 0) << "blue left in shared box";
            ++boxes;
        }
    EXPECT_EQ(boxes, 16);
    // No red anywhere else on a grid's box lines: the top row of grid 2 and the middle band of grid 1.
    EXPECT_EQ(CountColour(screen(), 424, 34, 722, 110, Pal(1)), 0);
    EXPECT_EQ(CountColour(screen(), 28, 110, 326, 183, Pal(1)), 0);
}

TEST_F(StartScreen, OuterBevelLinesHaveTheirColours) {
    for (const OutlineEdge& e : kBoardOutline) {
        const platform::Rgb colour = Pal(e.colour);
        const auto mid = [](int a, int b) { return a + (b - a) / 2; };
        EXPECT_EQ(At(mid(e.ax1, e.ax2), mid(e.ay1, e.ay2)), colour) << e.ax1 << "," << e.ay1;
        EXPECT_EQ(At(mid(e.bx1, e.bx2), mid(e.by1, e.by2)), colour) << e.bx1 << "," << e.by1;
    }
}

TEST_F(StartScreen, HoleFramesAreSunkenAndEmpty) {
    for (const auto& f : kHoleFrames) {
        const int midX = (f[0] + f[2]) / 2, midY = (f[1] + f[3]) / 2;
        SCOPED_TRACE(::testing::Message() << f[0] << "," << f[1]);
        for (int i : {0, 1}) {
            EXPECT_EQ(At(midX, f[1] + i), Pal(8));  // dark above and left
            EXPECT_EQ(At(f[0] + i, midY), Pal(8));
            EXPECT_EQ(At(midX, f[3] - i), Pal(15));  // light below and right
            EXPECT_EQ(At(f[2] - i, midY), Pal(15));
        }
        EXPECT_EQ(At(midX, f[1] + 2), Pal(12));  // a sunken frame of thickness 2 has two lines a side
        EXPECT_EQ(CountColour(screen(), f[0] + 2, f[1] + 2, f[2] - 2, f[3] - 2, Pal(12)),
                  (f[2] - f[0] - 3) * (f[3] - f[1] - 3));
    }
}

TEST_F(StartScreen, BottomStripIsRaised) {
    for (int i : {0, 1, 2}) {
        EXPECT_EQ(At(700, 922 + i), Pal(15));
        EXPECT_EQ(At(i, 930), Pal(15));
        EXPECT_EQ(At(700, 944 - i), Pal(8));
        EXPECT_EQ(At(1477 - i, 930), Pal(8));
    }
    EXPECT_EQ(At(700, 925), Pal(12));
    EXPECT_EQ(At(700, 941), Pal(12));
}

const PanelLayout* const kPanels[] = {&kStatisticsPanel, &kStatusPanel, &kLevelPanel, &kHelpPanel, &kClockPanel};

TEST_F(StartScreen, PanelsHaveRaisedBevelsAndWhiteFieldsWithBlackBorders) {
    for (const PanelLayout* p : kPanels) {
        SCOPED_TRACE(std::string(p->title));
        const Rect& r = p->raised;
        const int midY = (r.y1 + r.y2) / 2;
        EXPECT_EQ(At(r.x1, midY), Pal(15));
        EXPECT_EQ(At(r.x1 + 2, midY), Pal(15));
        EXPECT_EQ(At(r.x2, midY), Pal(8));
        EXPECT_EQ(At(r.x2 - 2, midY), Pal(8));
        EXPECT_EQ(At((r.x1 + r.x2) / 2, r.y2), Pal(8));
        const Rect& f = p->field;
        const int fy = (f.y1 + f.y2) / 2;
        EXPECT_EQ(At(f.x1, fy), Pal(0));
        EXPECT_EQ(At(f.x2, fy), Pal(0));
        EXPECT_EQ(At(f.x1 + 3, f.y1), Pal(0));
        EXPECT_EQ(At(f.x1 + 3, f.y2), Pal(0));
        EXPECT_EQ(At(f.x1 + 1, f.y1 + 1), Pal(15));
        EXPECT_EQ(At(f.x2 - 1, f.y2 - 1), Pal(15));
    }
}

TEST_F(StartScreen, PanelTitlesAreEngraved) {
    for (const PanelLayout* p : kPanels) {
        SCOPED_TRACE(std::string(p->title));
        const int x = p->titleX, y = p->titleY - 14;
        EXPECT_GT(CountColour(screen(), x - 1, y - 1, x + 90, y + 12, Pal(0)), 20);
        EXPECT_GT(CountColour(screen(), x, y, x + 91, y + 13, Pal(15)), 20);
        const auto ink = FindInk(screen(), p->raised.x1 + 3, y - 1, p->raised.x2 - 3, p->field.y1 - 1, Pal(12));
        ASSERT_TRUE(ink.has_value());
        EXPECT_GE(ink->x1, x - 1);
    }
}

TEST_F(StartScreen, StatisticsShowNumeralsAndZeroCounts) {
    EXPECT_TRUE(ShowsText(1169, 311, "Zahlen", 8, 12));
    EXPECT_TRUE(ShowsText(1169, 331, "Anzahl", 8, 12));
    for (int v = 1; v <= 9; ++v) {
        const int xv = 1232 + 24 * (v - 1);
        EXPECT_TRUE(ShowsText(xv + 8, 311, std::to_string(v), 8, 12)) << v;
        EXPECT_TRUE(ShowsText(1200 + 24 * v, 331, "  0", 8, 12)) << v;
    }
    EXPECT_EQ(At(1200, 325), Pal(0));  // line under the header row
    EXPECT_EQ(At(1222, 320), Pal(0));  // line between the row labels and the columns
}

TEST_F(StartScreen, StatusLevelAndHelpTexts) {
    EXPECT_EQ(panels.StatusText, "Keine Fehler! ");
    EXPECT_TRUE(ShowsText(1232, 446, "Keine Fehler! ", 20, 25));
    EXPECT_TRUE(ShowsText(1221, 568, "Vorgegebene Zahlen: ", 8, 12));
    EXPECT_TRUE(ShowsText(1381, 568, " 0 ", 8, 12));
    EXPECT_TRUE(ShowsText(1272, 582, "Leicht", 20, 25));
    EXPECT_TRUE(ShowsText(1207, 711, "Bitte Menupunkt auswählen!", 8, 12));
    EXPECT_EQ(window.ClockText(), " 99:99:99");
    ExpectDefaultState("start screen");
}

}  // namespace
}  // namespace drz::test
