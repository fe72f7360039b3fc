// dialogs.h — message boxes over the main window: an icon, a text, one button per caption, a default button.
// The dialog forms (slot choice, name, hall of fame, about) have headers of their own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace drz::platform {

enum class MessageIcon { None, Question };

// The buttons of a message box, numbered from 1 in the order of their captions.
enum class MessageButton : int { First = 1, Second = 2, Third = 3 };

using ButtonCaptions = std::vector<std::string>;  // "&" before a mnemonic ("&JA", "&NEIN")

class Dialogs {
public:
    // Modal over the main window, with its title. Return and the mnemonics work, the last button is also the
    // Escape button (and closing the box counts as it). A test can queue answers (TestDriver); each box then
    // takes the next answer without showing.
    virtual MessageButton MessageBox(MessageIcon icon, std::string_view text, const ButtonCaptions& captions,
                                     MessageButton defaultButton) = 0;

protected:
    ~Dialogs() = default;
};

}  // namespace drz::platform
