#include "screen_fixture.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "display/board_view.h"
#include "display/font_codes.h"
#include "display/panels.h"

namespace drz::test {

std::optional<InkBox> FindInk(const platform::Canvas& canvas, int x1, int y1, int x2, int y2, Rgb background) {
    std::optional<InkBox> box;
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) {
            if (canvas.PixelAt(x, y) == background) continue;
            if (!box) box = InkBox{x, y, x, y};
            box->x1 = std::min(box->x1, x);
            box->y1 = std::min(box->y1, y);
            box->x2 = std::max(box->x2, x);
            box->y2 = std::max(box->y2, y);
        }
    }
    return box;
}

int CountColour(const platform::Canvas& canvas, int x1, int y1, int x2, int y2, Rgb colour) {
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) n += canvas.PixelAt(x, y) == colour ? 1 : 0;
    return n;
}

bool SameRegion(const platform::Canvas& a, const platform::Canvas& b, int x1, int y1, int x2, int y2) {
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (!(a.PixelAt(x, y) == b.PixelAt(x, y))) return false;
    return true;
}

std::string PngOf(const platform::Canvas& canvas) {
    const auto file = std::filesystem::temp_directory_path() / ("drz-screen-" + std::to_string(::getpid()) + ".png");
    if (!canvas.WritePng(file.string())) return {};
    std::ifstream in(file, std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    std::filesystem::remove(file);
    return bytes;
}

std::string Describe(Rgb c) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "(%d,%d,%d)", c.r, c.g, c.b);
    return buffer;
}

ScreenTest::ScreenTest() {
    window.SetBackground(Pal(12));
    CreateClockLabel();
}

void ScreenTest::DrawStartScreen() {
    DrawFrame3D(d, 0, 2, 0, 922, 1477, 944);
    DrawBoard(d, VerdictOf(board));
    DrawHelpPanel(d);
}

bool ScreenTest::ShowsText(int x, int y, std::string_view text, int fontCode, int height) {
    platform::Canvas reference;
    reference.Clear(Pal(15));
    reference.SetFont(FontForCode(fontCode, window.LargeFonts()));
    reference.SetForeground(Pal(0));
    reference.SetFill(Pal(15));
    reference.SetOpaqueText(true);
    reference.Text(x, y, text);
    const int width = reference.TextWidth(text);
    return SameRegion(reference, screen(), x, y, x + width - 1, y + height - 1);
}

std::optional<InkBox> ScreenTest::GlyphInk(int fontCode, int x, int y, int digit) {
    platform::Canvas reference;
    reference.Clear(Pal(15));
    reference.SetFont(FontForCode(fontCode, false));
    reference.SetForeground(Pal(0));
    reference.SetOpaqueText(false);
    reference.Text(x, y, DigitGlyph(options, digit));
    return FindInk(reference, x - 20, y - 20, x + 60, y + 60, Pal(15));
}

void ScreenTest::ExpectDefaultState(const char* after) {
    SCOPED_TRACE(after);
    EXPECT_EQ(screen().Foreground(), Pal(0));
    EXPECT_EQ(screen().Fill(), Pal(15));
    EXPECT_TRUE(screen().OpaqueText());
    EXPECT_EQ(screen().Mix(), platform::MixMode::Copy);
}

}  // namespace drz::test
