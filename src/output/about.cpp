#include "output/about.h"

#include "platform/about_dialog.h"

#ifndef DRZ_VERSION
#error "DRZ_VERSION comes from the project version of the build"
#endif

namespace drz {

void ShowAboutDialog(Display& d) {
    platform::AboutText text;
    text.title = "Über Dreizehner";
    const std::string version = "Version " DRZ_VERSION;
    const std::string game =
        "Ein Zahlenrätsel aus dreizehn Gittern, die sich überlappen: 909 Felder, vier Schwierigkeitsgrade, "
        "gegen die Uhr.";
    const std::string licence =
        "Freie Software unter der GNU General Public License, Version 3 oder neuer (GPL-3.0-or-later), ohne jede "
        "Gewährleistung.";
    text.lines = {"Dreizehner", version, game, licence, "Von Mirav."};
    text.details = "Qt " + platform::ToolkitVersion() + ", C++20";
    platform::ShowAboutForm(d.window, text);
}

}  // namespace drz
