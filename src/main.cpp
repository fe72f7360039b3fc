// Dreizehner — a number-place game of thirteen overlapping grids.
#include <cstdio>
#include <exception>

#include "game/app.h"
#include "game/start_up.h"
#include "platform/application.h"

int main(int argc, char** argv) {
    drz::platform::Application application(argc, argv);
    try {
        drz::App app;
        return drz::RunGame(app);
    } catch (const std::exception& error) {
        // Start-up cannot go on (the menu bar or the window could not be made).
        std::fprintf(stderr, "Dreizehner: Laufzeitfehler: %s\n", error.what());
        return 1;
    }
}
