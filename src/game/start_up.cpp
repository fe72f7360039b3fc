#include "game/start_up.h"

#include <cmath>

#include "display/board_view.h"
#include "display/palette.h"
#include "display/panels.h"
#include "game/autosave.h"
#include "game/exit.h"
#include "game/menu_bar.h"
#include "game/menu_commands.h"
#include "input/picker_pad.h"
#include "platform/today.h"
#include "storage/hall_of_fame_file.h"

namespace drz {

namespace {

int CentredCoordinate(int screenSize, int windowSize) {
    double position = std::lround((screenSize - windowSize) / 2.0);
    return position < 0 ? 0 : static_cast<int>(position);
}

void InitialiseState(App& app) {
    app.board = Board{};
    app.options = Options{};
    app.options.ShowNumerals = true;
    app.options.SymmetricPuzzle = true;
    app.hallOfFame.Today = platform::TodayDateText;
    ReadHallOfFame(app.hallOfFame);
    BuildMenuBar(app.window);
    UpdateMenuChecks(app.window, app.options);
}

}  // namespace

WindowPosition CentredWindowPosition(int screenWidth, int screenHeight) {
    return {CentredCoordinate(screenWidth, 1480), CentredCoordinate(screenHeight, 994)};
}

void StartUp(App& app) {
    platform::MainWindow& window = app.window;
    window.SetTitle(kWindowTitle);
    WindowPosition position = CentredWindowPosition(window.ScreenWidth(), window.ScreenHeight());
    window.Open(position.x, position.y, kWindowWidth, kWindowHeight);
    InitialiseState(app);
    window.SetBackground(Palette[12]);
    app.CommandBarImage = app.display.screen.Save(159, 885, 982, 912);
    app.panels.HelpText = kIdleHelpText;
    window.CreateClockLabel(1235, 831, 160, 30, kClockIdleText, "Arial", 24, Palette[15]);
    window.SetCloseHandler([&app] { CloseBoxClicked(app); });
    window.SetMouseMoveHandler([&app](int x, int y) { PointerMoved(app.display, app.input, x, y); });
    DrawStartScreen(app);
    UseFont(app.display, 16);
}

void DrawStartScreen(App& app) {
    DrawFrame3D(app.display, 0, 2, 0, 922, 1477, 944);
    DrawBoard(app.display, VerdictOf(app.board));
    DrawHelpPanel(app.display);
}

void RunEventLoop(App& app) {
    while (app.window.IsOpen()) {
        platform::InputEvent event = app.window.WaitEvent();
        if (event.message == platform::kMenuCommand) RunMenuCommand(app, event.param);
    }
}

int RunGame(App& app) {
    try {
        StartUp(app);
        OfferStoredGame(app);
        RunEventLoop(app);
    } catch (const platform::ProgramExit&) {
    }
    StopClock(app);
    return 0;
}

}  // namespace drz
