// events.h — the input events the game loops look at, numbered as the game expects them.
#pragma once

#include <stdexcept>

namespace drz::platform {

enum Message : int {
    kNoMessage = 0,
    kWindowMinimized = 0x0005,  // the window has just been minimised (its size message)
    kMenuCommand = 0x111,       // param = menu item id (only while the menu bar is enabled)
    kKeyUp = 0x101,             // param = virtual-key code: 'A'..'Z', '0'..'9', 27 Escape, 13 Return, ...
    kChar = 0x102,              // param = the character typed (Latin-1)
    kLeftButtonDown = 0x201,
    kRightButtonDown = 0x204,
};

// Modifier keys held when a key was pressed (bits of InputEvent::modifiers).
enum Modifier : int {
    kShiftHeld = 1,
    kControlHeld = 2,
};

struct InputEvent {
    int message = kNoMessage;
    int param = 0;
    int x = 0;  // pointer position in screen pixels when the event happened
    int y = 0;
    int modifiers = 0;  // of a key release: the Modifier bits held when the key was pressed
};

// Thrown out of every wait when the program is to end (exit confirmed, or the window is gone);
// it unwinds all game loops back to the program entry.
struct ProgramExit : std::exception {
    const char* what() const noexcept override { return "program exit"; }
};

}  // namespace drz::platform
