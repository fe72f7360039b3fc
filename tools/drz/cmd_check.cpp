// drz check DATEI [--level NAME] — what each slot of a board file holds, whether each is a sound board with one
// solution, and whether the file is a good level file.
#include <algorithm>
#include <array>
#include <iostream>
#include <memory>
#include <vector>

#include "board_io.h"
#include "board_text.h"
#include "command_line.h"
#include "level_commands.h"
#include "level_file.h"
#include "level_report.h"
#include "storage/board_file.h"
#include "storage/board_file_layout.h"

namespace drz::tool {

namespace {

struct Slot {
    BoardJudgement judgement;
    std::string status;
    std::string unusable;  // why the game would not load the slot; empty when it would
    bool empty = false;    // no digit at all
};

// The slot as the game loads it, judged before anything brings its copies up to date.
Slot JudgeSlot(const std::string& file, int slot) {
    auto board = std::make_unique<Board>();
    const LoadOutcome outcome = LoadBoardSlot(*board, file, slot);
    Slot result;
    if (!outcome.BoardChanged()) {
        result.unusable = outcome.message;
        return result;
    }
    result.empty = std::all_of(board->CellValue.begin(), board->CellValue.end(), [](auto v) { return v == 0; }) &&
                   std::all_of(board->GivenValue.begin(), board->GivenValue.end(), [](auto v) { return v == 0; });
    result.judgement = JudgeBoard(*board);
    result.status = StatusText(*board);
    return result;
}

std::string Line(int s, const Slot& slot) {
    if (!slot.unusable.empty()) return "Platz " + std::to_string(s) + ": nicht lesbar: " + slot.unusable;
    if (slot.empty) return "Platz " + std::to_string(s) + ": leer";
    return SlotLine(s, slot.judgement, slot.status);
}

// Without a level: every slot is a board the game loads, and every board that is not empty has exactly one
// solution (a board that breaks the rules has none).
int CheckSlots(const std::array<Slot, 4>& slots) {
    int faults = 0;
    for (int s = 0; s < 4; ++s) {
        std::string fault;
        if (!slots[s].unusable.empty())
            fault = "nicht lesbar";
        else if (!slots[s].empty && slots[s].judgement.solutions != SolutionCount::One)
            fault = "nicht genau eine Lösung";
        if (fault.empty()) continue;
        std::cout << "Platz " << s << ": " << fault << "\n";
        ++faults;
    }
    if (faults == 0) std::cout << "alle Plätze in Ordnung\n";
    return faults == 0 ? 0 : 1;
}

std::vector<std::string> FileFaults(const RawBoardFile& raw, const std::array<Slot, 4>& slots) {
    std::vector<std::string> faults;
    if (raw.length != kBoardFileSize)
        faults.push_back("Datei: " + std::to_string(raw.length) + " Bytes statt " + std::to_string(kBoardFileSize));
    else if (!raw.candidateBlocksClear)
        faults.push_back("Datei: Kandidatenblöcke nicht leer");
    for (int a = 0; a < 4; ++a)
        for (int b = 0; b < a; ++b)
            if (slots[a].judgement.solutions == SolutionCount::One &&
                slots[b].judgement.solutions == SolutionCount::One &&
                slots[a].judgement.solution == slots[b].judgement.solution)
                faults.push_back("Platz " + std::to_string(b) + " und " + std::to_string(a) + ": gleiche Lösung");
    return faults;
}

void PrintFile(const RawBoardFile& raw) {
    std::cout << "Datei: " << raw.length << " Bytes";
    if (raw.length == kBoardFileSize)
        std::cout << ", Kandidatenblöcke " << (raw.candidateBlocksClear ? "leer" : "belegt") << ", Füllblock "
                  << (raw.fillerDigits ? "Ziffern 1 bis 9" : "mit anderen Werten");
    std::cout << "\n";
}

// Every missed requirement on its own line; the exit code says whether there was any.
int CheckLevel(const LevelBand& band, const RawBoardFile& raw, const std::array<Slot, 4>& slots) {
    std::vector<std::string> faults = FileFaults(raw, slots);
    for (int s = 0; s < 4; ++s) {
        if (!slots[s].unusable.empty()) {
            faults.push_back("Platz " + std::to_string(s) + ": nicht lesbar");
            continue;
        }
        for (const std::string& fault : LevelFaults(slots[s].judgement, band))
            faults.push_back("Platz " + std::to_string(s) + ": " + fault);
    }
    for (const std::string& fault : faults) std::cout << band.name << ": " << fault << "\n";
    if (faults.empty()) std::cout << band.name << ": alle Anforderungen erfüllt\n";
    return faults.empty() ? 0 : 1;
}

}  // namespace

int RunCheck(const Words& words) {
    const Arguments args = Split(words, {}, {"--level"}, 1, 1);
    const std::string& file = args.positional[0];
    const std::optional<std::string> levelName = args.Option("--level");
    const std::optional<int> level = levelName ? LevelByName(*levelName) : std::nullopt;
    if (levelName && !level) throw UsageError("Unbekannter Schwierigkeitsgrad: " + *levelName);
    const RawBoardFile raw = ReadRawBoardFile(file);
    std::array<Slot, 4> slots;
    for (int s = 0; s < 4; ++s) {
        slots[s] = JudgeSlot(file, s);
        std::cout << Line(s, slots[s]) << "\n";
    }
    PrintFile(raw);
    return level ? CheckLevel(kLevelBands[*level], raw, slots) : CheckSlots(slots);
}

}  // namespace drz::tool
