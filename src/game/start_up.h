// start_up.h — from process start to the first event: window placement, the start screen, the outer loop.
#pragma once

#include "game/app.h"

namespace drz {

constexpr const char* kWindowTitle = "Dreizehner V5.1 by Mirav";
constexpr int kWindowWidth = 1478;
constexpr int kWindowHeight = 963;

struct WindowPosition {
    int x, y;
};
// Centred for a window of 1480 x 994, never at a negative position.
WindowPosition CentredWindowPosition(int screenWidth, int screenHeight);

// Opens the window and composes the start screen, in the order the game has always done it.
void StartUp(App& app);
void DrawStartScreen(App& app);

// Waits for events and dispatches menu commands until the window is gone (ends by ProgramExit).
void RunEventLoop(App& app);

// The whole run; returns the process exit status.
int RunGame(App& app);

}  // namespace drz
