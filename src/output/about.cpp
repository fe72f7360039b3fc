#include "output/about.h"

#include "platform/about_dialog.h"

#ifndef DRZ_VERSION
#error "DRZ_VERSION comes from the project version of the build"
#endif

namespace drz {

void ShowAboutDialog(Display& d) {
    platform::AboutText text;
    text.title = "über Dreizehner";
    const std::string version = "Version " DRZ_VERSION;
    const std::string summary =
        "Ein Zahlenrätsel aus dreizehn überlappenden Sudoku-Gittern: 909 Felder, sechzehn gemeinsame Blöcke, "
        "vier Schwierigkeitsgrade, Ruhmeshalle, Druck und Anleitung.";
    text.lines = {
        "Dreizehner",
        version,
        summary,
        "Von Mirav.",
        "Geschrieben in C++20 mit Qt " + platform::ToolkitVersion() +
            " (Widgets, PrintSupport, Help) und SQLite für die Anleitung.",
    };
    platform::ShowAboutForm(d.window, text);
}

}  // namespace drz
