#include "output/help.h"

#include <string>

#include "platform/help_viewer.h"

namespace drz {

void ShowHtmlHelpTopic(Display& d, std::string_view file, std::string_view topic) {
    if (platform::ShowHelpTopic(d.window, file, topic)) return;
    d.window.MessageBox(platform::MessageIcon::None, "Error while trying to display a topic of " + std::string(file),
                        {"OK"}, platform::MessageButton::First);
}

}  // namespace drz
