// drz generate --level NAME --seed N AUS — the four boards of a level file, the same file for the same seed.
// drz generate --puzzle --seed N [--force] AUS — a minimal point-symmetric puzzle beyond singles, as puzzle text;
// an existing AUS is only written over with --force.
#include <filesystem>
#include <iostream>
#include <vector>

#include "board_io.h"
#include "command_line.h"
#include "engine/generator.h"
#include "engine/generator_minimal.h"
#include "level_commands.h"
#include "level_puzzle.h"
#include "storage/board_file_bytes.h"
#include "storage/safe_write.h"

namespace drz::tool {

namespace {

void WriteWhole(const std::string& out, const std::vector<std::uint8_t>& bytes) {
    if (const std::optional<std::string> reason = ReplaceFileContent(out, bytes))
        throw FileError("Die Datei \"" + out + "\" kann nicht geschrieben werden. " + *reason);
}

// The four slots go into a fresh file that then replaces AUS whole: an old AUS never leaks into the filler, so
// the bytes depend on the seed alone.
int WriteLevelFile(const LevelBand& band, std::uint64_t seed, const std::string& out) {
    RandomSource random(seed);
    const auto boards = GenerateLevelBoards(band, random);
    BoardFileBytes bytes = EmptyBoardFile(random);
    for (int slot = 0; slot < 4; ++slot) {
        PutBoard(bytes, boards[slot].board, slot, random);
        std::cout << band.name << " Platz " << slot << ": " << boards[slot].givens << " Vorgaben, "
                  << boards[slot].passes << " Durchgänge\n";
    }
    WriteWhole(out, bytes);
    return 0;
}

int WritePuzzle(std::uint64_t seed, const std::string& out, bool force) {
    std::error_code ec;
    if (!force && std::filesystem::exists(std::filesystem::symlink_status(out, ec)))
        throw FileError("Die Datei \"" + out + "\" gibt es schon; mit --force wird sie überschrieben.");
    RandomSource random(seed);
    const MinimalPuzzle p = MakeMinimalPuzzle(random);
    const std::string remarks =
        "drz generate --puzzle --seed " + std::to_string(seed) + "\n" + std::to_string(p.givenCount) +
        " givens, one solution, " + std::to_string(p.nodes) + " trials of the exact search\n" +
        "minimal: no symmetric pair of givens can go without a second solution; " + "singles alone do not finish it";
    const std::string text = PuzzleText(p.givens, remarks);
    WriteWhole(out, std::vector<std::uint8_t>(text.begin(), text.end()));
    std::cout << out << ": " << p.givenCount << " Vorgaben\n";
    return 0;
}

}  // namespace

int RunGenerate(const Words& words) {
    const Arguments args = Split(words, {"--puzzle", "--force"}, {"--level", "--seed"}, 1, 1);
    const std::optional<std::string> seed = args.Option("--seed");
    if (!seed) throw UsageError("Der Startwert (--seed N) fehlt.");
    if (args.switches.count("--puzzle") != 0)
        return WritePuzzle(ParseSeed(*seed), args.positional[0], args.switches.count("--force") != 0);
    const std::optional<std::string> levelName = args.Option("--level");
    if (!levelName) throw UsageError("Der Schwierigkeitsgrad (--level NAME) fehlt.");
    const std::optional<int> level = LevelByName(*levelName);
    if (!level) throw UsageError("Unbekannter Schwierigkeitsgrad: " + *levelName);
    return WriteLevelFile(kLevelBands[*level], ParseSeed(*seed), args.positional[0]);
}

}  // namespace drz::tool
