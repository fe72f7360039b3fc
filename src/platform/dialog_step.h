// dialog_step.h — one thing a test does in a dialog form in place of the player.
#pragma once

#include <string>

namespace drz::platform {

struct DialogStep {
    enum class Kind {
        Click,      // a real press and release on the control named `target` ("opt3", "cmd2", ...)
        Type,       // the text `target` typed into the focused control, one key event per character
        Key,        // one named key pressed and released on the focused control ("Return", "Escape", "Tab", ...)
        Close,      // the form's close box
        SelectTab,  // tab number `target` ("0".."3") made current in the form's first tab widget
    };
    Kind kind = Kind::Click;
    std::string target;
};

}  // namespace drz::platform
