// about_dialog.h — the about dialog: a title, lines of text and one button, modal over the main window.
#pragma once

#include <string>
#include <vector>

namespace drz::platform {

class MainWindow;

struct AboutText {
    std::string title;
    std::vector<std::string> lines;  // the first is shown large, as the heading
    std::string details;             // how the program is built, in small print under the lines
};

// Shows the dialog (the form "Inf") with its top-left corner 400 pixels right of and 218 below the main window's
// corner, the main window disabled, until the player presses "&OK" or closes it.
void ShowAboutForm(MainWindow& owner, const AboutText& text);

// The version of the toolkit the game runs on ("6.4.2").
std::string ToolkitVersion();

}  // namespace drz::platform
