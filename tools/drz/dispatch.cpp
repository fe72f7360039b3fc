#include "dispatch.h"

#ifndef DRZ_VERSION
#error "DRZ_VERSION comes from the project version of the build"
#endif

#include <iostream>
#include <string_view>

#include "board_io.h"
#include "command_line.h"
#include "level_commands.h"

namespace drz::tool {

namespace {

struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(const Words&);
};

// One line per command.
constexpr Command kCommands[] = {
    {"show", "drz show DATEI [PLATZ]", RunShow},
    {"solve", "drz solve DATEI PLATZ [AUS [AUSPLATZ]] [--trace]", RunSolve},
    {"shuffle", "drz shuffle DATEI PLATZ --seed N [--independent] [AUS [AUSPLATZ]]", RunShuffle},
    {"check", "drz check DATEI [--level NAME]", RunCheck},
    {"generate", "drz generate (--level NAME | --puzzle [--force]) --seed N AUS", RunGenerate},
};

void PrintUsage(std::ostream& out) {
    out << "Aufruf:\n";
    for (const Command& command : kCommands) out << "  " << command.usage << "\n";
    out << "  drz --help | --version\n"
        << "PLATZ ist 0, 1, 2 oder 3; ohne AUS wird in DATEI und PLATZ gesichert.\n";
}

int Usage(std::string_view reason) {
    if (!reason.empty()) std::cerr << "drz: " << reason << "\n";
    PrintUsage(std::cerr);
    return 2;
}

}  // namespace

int RunDrz(const Words& words) {
    if (words.empty()) return Usage("");
    const std::string& name = words[0];
    if (name == "--help" || name == "-h") {
        PrintUsage(std::cout);
        return 0;
    }
    if (name == "--version") {
        std::cout << "drz " DRZ_VERSION "\n";
        return 0;
    }
    for (const Command& command : kCommands) {
        if (command.name != name) continue;
        try {
            return command.run(Words(words.begin() + 1, words.end()));
        } catch (const UsageError& error) {
            return Usage(error.what());
        } catch (const FileError& error) {
            std::cerr << "drz: " << error.what() << "\n";
            return 1;
        }
    }
    return Usage("Unbekannter Befehl: " + name);
}

}  // namespace drz::tool
