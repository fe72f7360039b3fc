// Command-bar buttons: width from the caption, bevel and border, hot letter in red in the caption's gap.
#include "display/board_view.h"
#include "display/panels.h"
#include "screen_fixture.h"

namespace drz::test {
namespace {

using Buttons = ScreenTest;

struct Caption {
    const char* text;
    int x;
    int width;
};
// The six buttons of the command bar: width 8 x (length - 1) + 18.
constexpr Caption kBar[] = {{"    _Laden     ", 160, 130},  {"    _Sichern    ", 292, 138},
                            {"    _Drucken    ", 432, 138}, {"    _Neustart    ", 572, 146},
                            {"    _Hilfe    ", 720, 122},   {"    _Abbruch    ", 844, 138}};

TEST_F(Buttons, CommandBarButtonsHaveTheirWidths) {
    for (const Caption& c : kBar) {
        DrawButton(d, 0, c.x, 886, c.text);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(At(c.x - 1, 900), Pal(0));        // black border left
        EXPECT_EQ(At(c.x + c.width, 900), Pal(0));  // and right, at x + w
        EXPECT_EQ(At(c.x + 20, 885), Pal(0));       // above
        EXPECT_EQ(At(c.x + 20, 911), Pal(0));       // below, at y + 25
        EXPECT_EQ(At(c.x + c.width + 1, 900), Pal(12));
        EXPECT_EQ(At(c.x + 20, 912), Pal(12));
        EXPECT_EQ(At(c.x, 900), Pal(15));               // raised: light left
        EXPECT_EQ(At(c.x + c.width - 1, 900), Pal(8));  // dark right inside the border
        ExpectDefaultState("DrawButton");
    }
}

TEST_F(Buttons, HotLetterIsRedInTheCaptionGap) {
    DrawButton(d, 0, 160, 886, "    _Laden     ");
    // tx = x + 11 = 171, the hot letter at tx + 8 * 4 = 203, drawn 14 up and one up-left for the colour.
    const int red = CountColour(screen(), 160, 886, 290, 910, Pal(1));
    EXPECT_GT(red, 10);
    EXPECT_EQ(CountColour(screen(), 160, 886, 200, 910, Pal(1)), 0);
    EXPECT_EQ(CountColour(screen(), 201, 886, 211, 910, Pal(1)), red);  // all of it in the gap's character cell
    // The rest of the caption is black ink after the gap.
    EXPECT_GT(CountColour(screen(), 212, 886, 286, 910, Pal(0)), 20);
}

TEST_F(Buttons, PressedButtonIsSunken) {
    DrawButton(d, 1, 160, 886, "    _Laden     ");
    EXPECT_EQ(At(160, 900), Pal(8));
    EXPECT_EQ(At(161, 900), Pal(8));
    EXPECT_EQ(At(289, 900), Pal(15));
    EXPECT_EQ(At(200, 910), Pal(15));
}

TEST_F(Buttons, CaptionWithoutHotLetterHasNoRed) {
    DrawButton(d, 0, 160, 886, "  Ende  ");
    EXPECT_EQ(CountColour(screen(), 150, 870, 300, 915, Pal(1)), 0);
    const auto ink = FindInk(screen(), 163, 889, 8 * 7 + 18 + 160 - 3, 908, Pal(12));
    ASSERT_TRUE(ink.has_value());
    EXPECT_GE(ink->x1, 160 + 7 + 2 * 7 - 1);  // two blanks before the text at x + 7
}

TEST_F(Buttons, HotLetterAtTheStartMovesOneLeft) {
    DrawButton(d, 0, 160, 886, "_Ab");
    const auto red = FindInk(screen(), 160, 870, 200, 912, Pal(12));
    ASSERT_TRUE(red.has_value());
    int leftmostRed = 1000;
    for (int y = 870; y <= 912; ++y)
        for (int x = 160; x <= 200; ++x)
            if (At(x, y) == Pal(1)) leftmostRed = std::min(leftmostRed, x);
    EXPECT_LT(leftmostRed, 160 + 11 + 8);  // in the first character cell, at tx - 1 - 1
    EXPECT_GE(leftmostRed, 160 + 11 - 2);
}

TEST_F(Buttons, PlainHotLetterIsTeal) {
    DrawHotLetter(d, 0, 14, 300, 300, "X");
    EXPECT_GT(CountColour(screen(), 290, 280, 320, 300, Pal(6)), 5);
    EXPECT_EQ(CountColour(screen(), 290, 280, 320, 300, Pal(1)), 0);
    ExpectDefaultState("DrawHotLetter");
    DrawHotLetter(d, 1, 14, 400, 300, "X");
    EXPECT_GT(CountColour(screen(), 390, 280, 420, 300, Pal(1)), 5);
}

}  // namespace
}  // namespace drz::test
