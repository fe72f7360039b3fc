// drz generate --level NAME --seed N AUS — the four boards of a level file, the same file for the same seed.
// drz generate --puzzle --seed N AUS — a minimal point-symmetric puzzle beyond singles, as puzzle text.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "board_io.h"
#include "command_line.h"
#include "engine/generator.h"
#include "engine/generator_minimal.h"
#include "level_commands.h"
#include "level_puzzle.h"

namespace drz::tool {

namespace {

// The four slots go into a fresh file next to AUS, which then replaces AUS: an old AUS never leaks into the
// filler, so the bytes depend on the seed alone.
int WriteLevelFile(const LevelBand& band, std::uint64_t seed, const std::string& out) {
    RandomSource random(seed);
    const auto boards = GenerateLevelBoards(band, random);
    const std::string fresh = out + ".neu";
    std::filesystem::remove(fresh);
    for (int slot = 0; slot < 4; ++slot) {
        SaveSlot(boards[slot].board, fresh, slot, random);
        std::cout << band.name << " Platz " << slot << ": " << boards[slot].givens << " Vorgaben, "
                  << boards[slot].passes << " Durchgänge\n";
    }
    std::filesystem::rename(fresh, out);
    return 0;
}

int WritePuzzle(std::uint64_t seed, const std::string& out) {
    RandomSource random(seed);
    const MinimalPuzzle p = MakeMinimalPuzzle(random);
    const std::string remarks =
        "drz generate --puzzle --seed " + std::to_string(seed) + "\n" + std::to_string(p.givenCount) +
        " givens, one solution, " + std::to_string(p.nodes) + " trials of the exact search\n" +
        "minimal: no symmetric pair of givens can go without a second solution; " + "singles alone do not finish it";
    std::ofstream file(out);
    file << PuzzleText(p.givens, remarks);
    if (!file) throw FileError("Die Datei \"" + out + "\" kann nicht geschrieben werden.");
    std::cout << out << ": " << p.givenCount << " Vorgaben\n";
    return 0;
}

}  // namespace

int RunGenerate(const Words& words) {
    const Arguments args = Split(words, {"--puzzle"}, {"--level", "--seed"}, 1, 1);
    const std::optional<std::string> seed = args.Option("--seed");
    if (!seed) throw UsageError("Der Startwert (--seed N) fehlt.");
    if (args.switches.count("--puzzle") != 0) return WritePuzzle(ParseSeed(*seed), args.positional[0]);
    const std::optional<std::string> levelName = args.Option("--level");
    if (!levelName) throw UsageError("Der Schwierigkeitsgrad (--level NAME) fehlt.");
    const std::optional<int> level = LevelByName(*levelName);
    if (!level) throw UsageError("Unbekannter Schwierigkeitsgrad: " + *levelName);
    return WriteLevelFile(kLevelBands[*level], ParseSeed(*seed), args.positional[0]);
}

}  // namespace drz::tool
