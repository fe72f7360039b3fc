// Entry of the test programs that draw or open windows: one application object for all tests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/application.h"

namespace {

// The headless screen is a full-HD desktop at 100 %, as most players have (the toolkit's default is 800 x 800).
void FullHdOffscreenScreen() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || std::string(platform) != "offscreen") return;
    const auto path = std::filesystem::temp_directory_path() / "drz-offscreen-screen.json";
    std::ofstream(path) << R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1080}]})";
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path.string()).c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    FullHdOffscreenScreen();
    drz::platform::Application app(argc, argv);
    return RUN_ALL_TESTS();
}
