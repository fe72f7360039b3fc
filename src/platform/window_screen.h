// window_screen.h — the main window as the player sees it: placement, title, the screen picture it shows, the
// pointer's shape, and snapshots of all of it.
#pragma once

#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "platform/colour.h"

namespace drz::platform {

enum class Cursor { Default, Arrow, Wait };

class WindowScreen {
public:
    virtual void SetTitle(std::string_view title) = 0;
    virtual std::string Title() const = 0;
    virtual int ScreenWidth() const = 0;  // of the desktop the window opens on
    virtual int ScreenHeight() const = 0;
    // Places the window (its frame at x, y) and sizes it; shows and activates it. However small the size asked,
    // the screen area gets at least 1478 x 945 pixels below the menu bar, shown 1:1 at its top-left. When the
    // player resizes the window the picture is scaled with its aspect kept; pointer positions are mapped back.
    virtual void Open(int x, int y, int width, int height) = 0;
    virtual void SetBackground(Rgb colour) = 0;  // fills the screen picture with it
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;  // closes without asking
    // The large-font test: true when the desktop uses large fonts (LargeFontsAt of large_fonts.h at the
    // screen's logical resolution).
    virtual bool LargeFonts() const = 0;

    // Everything the game draws goes here; the window shows it (scaled when the window is resized).
    virtual Canvas& Screen() = 0;

    virtual void SetCursor(Cursor cursor) = 0;
    virtual Cursor CurrentCursor() const = 0;

    // The screen with the controls on it, as the player sees it (tests, screenshots).
    virtual void Snapshot(Canvas& target) const = 0;
    virtual bool WriteSnapshotPng(const std::string& path) const = 0;

protected:
    ~WindowScreen() = default;
};

}  // namespace drz::platform
