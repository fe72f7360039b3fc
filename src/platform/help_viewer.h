// help_viewer.h — the help window: topics of a compressed help file, in a window of its own beside the game.
#pragma once

#include <string>
#include <string_view>

namespace drz::platform {

class MainWindow;

// Shows `topic` (a file name inside the help file, "Übersicht.htm") of the compressed help file `file` (in the
// current folder unless absolute) and brings the help window to the front. The window belongs to no game
// window and stays open until the player closes it. False when the file or the topic cannot be shown.
bool ShowHelpTopic(MainWindow& window, std::string_view file, std::string_view topic);

// What the help window shows (tests).
struct HelpWindowView {
    bool visible = false;
    std::string title;
    std::string url;   // of the topic shown
    std::string text;  // the page as plain text
};
HelpWindowView DescribeHelpWindow(MainWindow& window);

}  // namespace drz::platform
