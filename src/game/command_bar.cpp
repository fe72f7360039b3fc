// Where the command-bar buttons lie and how they are drawn.
#include "game/command_bar.h"

#include "display/panels.h"

namespace drz {

namespace {
const ButtonPlace& PlaceOf(CommandButton button) { return kCommandBar[static_cast<std::size_t>(button)]; }
}  // namespace

std::optional<CommandButton> ButtonAt(int x, int y) {
    if (y < kCommandBarTop || y > kCommandBarHitBottom) return std::nullopt;
    for (const ButtonPlace& place : kCommandBar)
        if (x >= place.left && x <= place.hitRight) return place.button;
    return std::nullopt;
}

void DrawCommandButton(Display& d, CommandButton button, int pressed) {
    const ButtonPlace& place = PlaceOf(button);
    DrawButton(d, pressed, place.left, kCommandBarTop, place.caption);
}

void DrawCommandBar(Display& d) {
    for (const ButtonPlace& place : kCommandBar) DrawCommandButton(d, place.button, 0);
}

}  // namespace drz
