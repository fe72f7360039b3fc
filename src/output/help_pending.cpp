// Stands in for the help window until it is built: the player is told so.
#include "output/help.h"

namespace drz {

void ShowHtmlHelpTopic(Display& d, std::string_view, std::string_view) {
    d.window.MessageBox(0, "Noch nicht verfügbar.", 1, "OK");
}

}  // namespace drz
