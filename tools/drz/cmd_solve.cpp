// drz solve DATEI PLATZ [AUS [AUSPLATZ]] [--trace] — "lade Brett", "Brett lösen", "sichere Brett".
#include <iostream>
#include <memory>

#include "board_io.h"
#include "command_line.h"
#include "commands.h"
#include "engine/solver.h"
#include "output_target.h"

namespace drz::tool {

namespace {

// Prints what the game would show: every message text, one per line, and with --trace every placement
// as "grid column row digit" when it is made.
struct PrintingHooks : SolveHooks {
    bool trace = false;
    void Placed(int k, int x, int y, int d) override {
        if (trace) std::cout << k << ' ' << x << ' ' << y << ' ' << d << '\n';
    }
    void Verdict(std::string_view text, std::string_view) override { std::cout << text << '\n'; }
};

}  // namespace

int RunSolve(const Words& words) {
    const Arguments args = Split(words, {"--trace"}, {}, 2, 4);
    const Target target = OutputTarget(args);
    auto board = std::make_unique<Board>();
    LoadSlot(*board, args.positional[0], ParseSlot(args.positional[1]));
    PrintingHooks hooks;
    hooks.trace = args.switches.count("--trace") != 0;
    SolveCommand(*board, hooks);
    RandomSource random(FreshSeed());
    SaveSlot(*board, target.file, target.slot, random);
    return 0;
}

}  // namespace drz::tool
