// drz — a command-line tool for the game's board files: show, solve and shuffle a slot.
#include <iostream>
#include <string_view>

#include "board_io.h"
#include "command_line.h"
#include "commands.h"
#include "level_commands.h"

namespace {

using drz::tool::Words;

struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(const Words&);
};

// One line per command.
constexpr Command kCommands[] = {
    {"show", "drz show DATEI [PLATZ]", drz::tool::RunShow},
    {"solve", "drz solve DATEI PLATZ [AUS [AUSPLATZ]] [--trace]", drz::tool::RunSolve},
    {"shuffle", "drz shuffle DATEI PLATZ --seed N [--independent] [AUS [AUSPLATZ]]", drz::tool::RunShuffle},
    {"check", "drz check DATEI [--level NAME]", drz::tool::RunCheck},
    {"generate", "drz generate (--level NAME | --puzzle) --seed N AUS", drz::tool::RunGenerate},
};

int Usage(std::string_view reason) {
    if (!reason.empty()) std::cerr << "drz: " << reason << "\n";
    std::cerr << "Aufruf:\n";
    for (const Command& command : kCommands) std::cerr << "  " << command.usage << "\n";
    std::cerr << "PLATZ ist 0, 1, 2 oder 3; ohne AUS wird in DATEI und PLATZ gesichert.\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage("");
    const std::string_view name = argv[1];
    for (const Command& command : kCommands) {
        if (command.name != name) continue;
        try {
            return command.run(Words(argv + 2, argv + argc));
        } catch (const drz::tool::UsageError& error) {
            return Usage(error.what());
        } catch (const drz::tool::FileError& error) {
            std::cerr << "drz: " << error.what() << "\n";
            return 1;
        }
    }
    return Usage("Unbekannter Befehl: " + std::string(name));
}
