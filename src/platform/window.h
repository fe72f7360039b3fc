// window.h — the main window and the services around it: menus, the event wait, message boxes, cursor,
// the clock label, time, pause and beep. One instance per run, owned by the program entry.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/colour.h"
#include "platform/dialog_step.h"
#include "platform/events.h"

namespace drz::platform {

using MenuHandle = int;  // 0 = none / failure

enum class Cursor { Default, Arrow, Wait };

class MainWindow {
public:
    // Needs the Application of application.h to exist. The window is not shown until Open().
    MainWindow();
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // --- window ---
    void SetTitle(std::string_view title);
    std::string Title() const;
    int ScreenWidth() const;  // of the desktop the window opens on
    int ScreenHeight() const;
    // Places the window (its frame at x, y) and sizes it; shows and activates it. Wherever the screen's work area
    // allows, the screen area gets its own 1478 x 945 pixels below the menu bar (whatever size is asked), the frame
    // moved only as far as needed to lie inside the work area; on a smaller screen the window opens scaled down,
    // aspect kept, centred in the work area. At any size the picture is shown centred with its aspect kept,
    // rendered at the device's resolution; pointer positions are mapped back to screen pixels.
    void Open(int x, int y, int width, int height);
    void SetBackground(Rgb colour);  // fills the screen picture with it
    bool IsOpen() const;
    void Close();  // closes without asking
    // The large-font test: true when the desktop uses large fonts. The metric chosen is the pixel height of a
    // 12-point font at the screen's logical resolution (16 px at 96 dpi); the test is positive above 16.
    bool LargeFonts() const;

    Canvas& Screen();  // everything the game draws goes here; the window shows it at any size, drawn at its resolution

    // --- menus ---
    MenuHandle CreateMenuBar();
    MenuHandle CreatePopup();
    bool AppendItem(MenuHandle menu, int id, std::string_view caption);  // "&" marks the mnemonic
    bool AppendSeparator(MenuHandle menu);
    bool AppendPopup(MenuHandle menu, MenuHandle popup, std::string_view caption);
    MenuHandle InstallMenuBar(MenuHandle bar);  // returns the menu bar the window had before (0 if none)
    void DestroyMenu(MenuHandle menu);
    void CheckItem(int id, bool checked);
    bool IsItemChecked(int id) const;
    void SetMenuEnabled(bool enabled);
    bool MenuEnabled() const;
    // For tests: the installed menu bar as text, one line per entry, nested entries indented by two blanks:
    // "popup <caption>", "item <id> <caption>", "separator".
    std::string DescribeMenuBar() const;

    // --- events ---
    // Blocks until the next input event has been dispatched and returns it. Mouse moves go to the mouse-move
    // handler on the way; a click on the window's close box runs the close handler inside the wait.
    // Throws ProgramExit once the window has been closed, and when it was never opened and no input is queued.
    InputEvent WaitEvent();
    const InputEvent& LastEvent() const;
    int MouseX() const;  // current pointer position in screen pixels
    int MouseY() const;
    bool LeftButtonDown() const;  // takes in what the toolkit has pending first, so a polling loop sees the release
    bool AnyButtonDown() const;   // left, right or middle
    void WaitButtonsReleased();   // blocks (painting goes on) until no mouse button is held down
    void SetMouseMoveHandler(std::function<void(int x, int y)> handler);
    void SetCloseHandler(std::function<void()> handler);
    // Queues an event as if it had come from the player (scripted tests, and menu choices made by tests).
    void PostInput(const InputEvent& event);
    // Queues a pointer move to (x, y) as if the player had moved the mouse there (scripted tests).
    void PostMove(int x, int y);
    // Asks for the window to be closed as the close box does (tests).
    void RequestClose();

    // --- dialogs ---
    // icon: 0 none, 2 question mark. Captions separated by "|"; result = number of the pressed button from 1.
    // A test can queue answers with QueueMessageBoxAnswer; each box then takes the next answer without showing.
    int MessageBox(int icon, std::string_view text, int defaultButton, std::string_view captions);
    void QueueMessageBoxAnswer(int button);
    std::string LastMessageBoxText() const;
    // Dialog forms (slot choice, name, hall of fame, about) run modally over the window. A test can queue what
    // the player does in the next form that opens; each form takes the next queued steps once it is shown.
    void QueueDialogSteps(std::vector<DialogStep> steps);
    std::string LastDialogTitle() const;  // title of the form shown last

    void SetCursor(Cursor cursor);
    Cursor CurrentCursor() const;

    // --- the clock label ---
    void CreateClockLabel(int x, int y, int width, int height, std::string_view text, std::string_view face, int points,
                          Rgb background);
    void SetClockText(std::string_view text);  // user-interface thread
    void PostClockText(std::string text);      // any thread: delivered to the user-interface thread
    std::string ClockText() const;
    // The screen with the controls on it, as the player sees it (tests, screenshots).
    void Snapshot(Canvas& target) const;
    bool WriteSnapshotPng(const std::string& path) const;

    struct Impl;
    Impl& impl() { return *impl_; }
    const Impl& impl() const { return *impl_; }

private:
    std::unique_ptr<Impl> impl_;
};

// The large-font decision for a screen of the given logical resolution (dots per inch): the whole pixels of a
// 12-point font there (16 at 96 dpi, 20 at 120 dpi); large when above 16.
int TwelvePointPixels(double logicalDpi);
bool LargeFontsAt(double logicalDpi);

// --- time, pause, beep ---
double Timer();                // seconds with fractions, monotonic
void Pause(int milliseconds);  // keeps the window painted, takes no input
void Beep();
int BeepCount();  // beeps so far in this run (tests)

}  // namespace drz::platform
