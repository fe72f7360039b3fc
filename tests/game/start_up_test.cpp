// Start-up: window placement, the start screen, and the state the game starts in.
#include <gtest/gtest.h>

#include "display/palette.h"
#include "game/app.h"
#include "game/start_up.h"

namespace drz {
namespace {

platform::Rgb Pixel(App& app, int x, int y) { return app.display.screen.PixelAt(x, y); }

TEST(StartUp, WindowIsCentredButNeverOffScreen) {
    EXPECT_EQ(CentredWindowPosition(1920, 1080).x, 220);
    EXPECT_EQ(CentredWindowPosition(1920, 1080).y, 43);
    EXPECT_EQ(CentredWindowPosition(1280, 800).x, 0);
    EXPECT_EQ(CentredWindowPosition(1280, 800).y, 0);
    EXPECT_EQ(CentredWindowPosition(1479, 993).x, 0);
    EXPECT_EQ(CentredWindowPosition(2560, 1440).x, 540);
    EXPECT_EQ(CentredWindowPosition(2560, 1440).y, 223);
}

TEST(StartUp, OpensTheWindowWithTitleMenuAndStartScreen) {
    App app;
    StartUp(app);
    EXPECT_TRUE(app.window.IsOpen());
    EXPECT_EQ(app.window.Title(), "Dreizehner V5.1 by Mirav");
    for (int id : {30, 40, 45}) EXPECT_TRUE(app.window.IsItemChecked(id)) << id;
    for (int id : {31, 32, 33, 41, 44}) EXPECT_FALSE(app.window.IsItemChecked(id)) << id;
    EXPECT_TRUE(app.window.MenuEnabled());
    EXPECT_EQ(app.panels.HelpText, "Bitte Menupunkt auswählen!");
    EXPECT_EQ(app.window.ClockText(), " 99:99:99");
    EXPECT_EQ(app.panels.StatusText, "Keine Fehler! ");
    EXPECT_FALSE(app.clock.ClockRunning);
    EXPECT_TRUE(app.options.ShowNumerals);
    EXPECT_TRUE(app.options.SymmetricPuzzle);
    EXPECT_FALSE(app.options.ShowCandidates);
    EXPECT_EQ(app.options.CurrentLevel, 0);

    // Background where nothing is drawn, the bottom strip, a cell interior and the command-bar area.
    EXPECT_EQ(Pixel(app, 5, 5), Palette[12]);
    EXPECT_EQ(Pixel(app, 1470, 150), Palette[12]);
    EXPECT_EQ(Pixel(app, 0, 922), Palette[15]);    // raised strip: light top-left
    EXPECT_EQ(Pixel(app, 1477, 944), Palette[8]);  // ... dark bottom-right
    EXPECT_EQ(Pixel(app, 29 + 16, 35 + 12), Palette[15]);
    EXPECT_EQ(Pixel(app, 500, 900), Palette[12]);
    EXPECT_FALSE(app.CommandBarImage.IsEmpty());
    EXPECT_EQ(app.CommandBarImage.Width(), 982 - 159 + 1);
    EXPECT_EQ(app.CommandBarImage.Height(), 912 - 885 + 1);
}

}  // namespace
}  // namespace drz
