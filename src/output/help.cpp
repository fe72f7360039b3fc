#include "output/help.h"

#include <string>

#include "platform/help_viewer.h"

namespace drz {

void ShowHtmlHelpTopic(Display& d, std::string_view file, std::string_view topic) {
    if (platform::ShowHelpTopic(d.window, file, topic)) return;
    d.window.MessageBox(0, "Error while trying to display a topic of " + std::string(file), 1, "OK");
}

}  // namespace drz
