// drz shuffle DATEI PLATZ --seed N [--independent] [AUS [AUSPLATZ]] — "Brett mischen" with a fixed seed.
#include <iostream>
#include <memory>

#include "board_io.h"
#include "command_line.h"
#include "commands.h"
#include "engine/shuffle.h"
#include "output_target.h"

namespace drz::tool {

int RunShuffle(const Words& words) {
    const Arguments args = Split(words, {"--independent"}, {"--seed"}, 2, 4);
    const std::optional<std::string> seed = args.Option("--seed");
    if (!seed) throw UsageError("--seed N fehlt.");
    RandomSource random(ParseSeed(*seed));
    const Target target = OutputTarget(args);
    auto board = std::make_unique<Board>();
    LoadSlot(*board, args.positional[0], ParseSlot(args.positional[1]));
    const bool symmetric = args.switches.count("--independent") == 0;
    ShuffleBoard(*board, random, symmetric);
    // The filler digits come from the same source, so a seed gives the same file byte for byte.
    SaveSlot(*board, target.file, target.slot, random);
    std::cout << "Gemischt mit Startwert " << *seed << (symmetric ? " (symmetrisch)" : " (unabhängig)")
              << ", gesichert in \"" << target.file << "\", Platz " << target.slot << ".\n";
    return 0;
}

}  // namespace drz::tool
