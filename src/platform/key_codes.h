// key_codes.h — toolkit key codes turned into the virtual-key codes and typed characters the game expects.
#pragma once

#include <QString>

namespace drz::platform {

// The virtual-key code of a toolkit key ('A'..'Z', '0'..'9', 27 Escape, 13 Return, 37..40 arrows, ...); 0 if the
// game has no code for it. `keypad` marks keys of the numeric keypad.
int VirtualKeyOf(int qtKey, bool keypad);

// The character a key press types (Latin-1), or -1 when it types none: Escape 27, Return 13, Backspace 8, Tab 9
// and the printable characters of `text`.
int TypedCharacterOf(int qtKey, const QString& text);

}  // namespace drz::platform
