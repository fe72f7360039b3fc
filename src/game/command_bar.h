// command_bar.h — the six buttons under the board while a game loop runs: their places, hit ranges and actions.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "game/app.h"

namespace drz {

enum class CommandButton { Load, Save, Print, Restart, Help, Abort };
enum class GameLoop { Play, OwnBoard };

struct ButtonPlace {
    CommandButton button;
    std::string_view caption;  // "_" before the hot letter, blanks for width
    int left;                  // where the button is drawn
    int hitRight;              // last x of its hit range, which covers the gap after it
};

constexpr int kCommandBarTop = 886;
constexpr int kCommandBarHitBottom = 912;

constexpr std::array<ButtonPlace, 6> kCommandBar = {{
    {CommandButton::Load, "    _Laden     ", 160, 291},
    {CommandButton::Save, "    _Sichern    ", 292, 431},
    {CommandButton::Print, "    _Drucken    ", 432, 571},
    {CommandButton::Restart, "    _Neustart    ", 572, 719},
    {CommandButton::Help, "    _Hilfe    ", 720, 843},
    {CommandButton::Abort, "    _Abbruch    ", 844, 983},
}};

// The button whose hit range holds the point; none outside y 886..912 and outside x 160..983.
std::optional<CommandButton> ButtonAt(int x, int y);
void DrawCommandButton(Display& d, CommandButton button, int pressed);
void DrawCommandBar(Display& d);  // all six released

// The button's action as a click runs it: drawn pressed meanwhile, released afterwards unless it ends the loop.
// True when the loop is to end.
bool PressButton(App& app, GameLoop loop, CommandButton button);
// Abort: the pressed button stays visible for 200 ms; the play loop's game stops being timed.
void AbortGame(App& app, GameLoop loop);

}  // namespace drz
