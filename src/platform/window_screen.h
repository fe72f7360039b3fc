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
    // Places the window (its frame at x, y) and sizes it; shows and activates it. Wherever the screen's work area
    // allows, the screen area gets its own 1478 x 945 pixels below the menu bar (whatever size is asked), the
    // frame moved only as far as needed to lie inside the work area; on a smaller screen the window opens scaled
    // down, aspect kept, centred in the work area. At any size the picture is shown centred with its aspect kept,
    // rendered at the device's resolution; pointer positions are mapped back to screen pixels.
    virtual void Open(int x, int y, int width, int height) = 0;
    virtual void SetBackground(Rgb colour) = 0;  // fills the screen picture with it
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;  // closes without asking
    // The large-font test: true when the desktop uses large fonts (LargeFontsAt of large_fonts.h at the
    // screen's logical resolution).
    virtual bool LargeFonts() const = 0;

    // Everything the game draws goes here; the window shows it at any size, drawn at its resolution.
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
