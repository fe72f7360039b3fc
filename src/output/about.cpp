#include "output/about.h"

#include "platform/about_dialog.h"

#ifndef DRZ_VERSION
#error "DRZ_VERSION comes from the project version of the build"
#endif

namespace drz {

void ShowAboutDialog(Display& d) {
    platform::AboutText text;
    text.title = "Über Dreizehner";
    text.lines = {
        "Dreizehner",
        "Version " DRZ_VERSION,
        "Ein Zahlenrätsel aus dreizehn Gittern, die sich überlappen: 909 Felder, vier Stufen, gegen die Uhr.",
        "Freie Software unter der GNU General Public License, Version 3 oder neuer (GPL-3.0-or-later), "
        "ohne jede Gewährleistung.",
        "Von Mirav.",
    };
    text.details = "Qt " + platform::ToolkitVersion() + ", C++20";
    platform::ShowInfDialog(d.window, text);
}

}  // namespace drz
