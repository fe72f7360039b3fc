// Dreizehner — a number-place game of thirteen overlapping grids.
#include "game/app.h"
#include "game/start_up.h"
#include "platform/application.h"

int main(int argc, char** argv) {
    drz::platform::Application application(argc, argv);
    drz::App app;
    return drz::RunGame(app);
}
