#include "engine/generator_check.h"

#include "engine/generator_forced.h"
#include "engine/solver.h"
#include "engine/symmetry.h"

namespace drz {

namespace {

bool IndexZero(int i) { return i % 14 == 0 || i / 14 % 10 == 0 || i / 140 == 0; }

bool IndexZeroClear(const Board& b) {
    for (int i = 0; i < kCellTableSize; ++i)
        if (IndexZero(i) && (b.CellValue[i] != 0 || b.GivenValue[i] != 0)) return false;
    return true;
}

bool NoMarks(const Board& b) {
    for (bool mark : b.CandidateMark)
        if (mark) return false;
    return true;
}

bool SolvedBySolveBoard(const Board& board) {
    Board copy = board;
    SolveHooks quiet;
    return SolveBoard(copy, quiet).solved;
}

}  // namespace

std::string DealSummary(const DealCheck& d) {
    const std::string of = " von " + std::to_string(kShuffledDeals) + " Mischungen";
    const std::string worst = std::to_string(d.worstPasses);
    if (d.EveryDealSolved())
        return "alle " + std::to_string(kShuffledDeals) + " Mischungen in höchstens " + worst + " Durchgängen gelöst";
    std::vector<std::string> parts;
    if (d.unsolved != 0) parts.push_back(std::to_string(d.unsolved) + of + " nicht gelöst");
    if (d.overLimit != 0)
        parts.push_back(std::to_string(d.overLimit) + of + " erst mit mehr als " + std::to_string(kDealPassLimit) +
                        " Durchgängen gelöst");
    if (d.shuffled != kShuffledDeals) parts.push_back(std::to_string(d.shuffled) + of + " geprüft");
    std::string text;
    for (const std::string& part : parts) text += part + ", ";
    return text + "die gelösten in höchstens " + worst + " Durchgängen";
}

bool MinimalForSolveBoard(const Board& board) {
    const DistinctCells& m = TheDistinctCells();
    CellDigits givens{};
    ReadDistinct(board.GivenValue, givens);
    for (int id : SymmetricPairs()) {
        if (givens[id] == 0 && givens[m.cell[id].mirror] == 0) continue;
        CellDigits fewer = givens;
        fewer[id] = fewer[m.cell[id].mirror] = 0;
        Board smaller;
        WriteDistinct(fewer, smaller.CellValue);
        WriteDistinct(fewer, smaller.GivenValue);
        if (SolvedBySolveBoard(smaller)) return false;
    }
    return true;
}

BoardJudgement JudgeBoard(const Board& board) {
    BoardJudgement j;
    CellDigits values{}, givens{};
    const bool valuesEqual = ReadDistinct(board.CellValue, values);
    const bool givensEqual = ReadDistinct(board.GivenValue, givens);
    j.copiesEqual = valuesEqual && givensEqual;
    for (std::uint8_t d : givens) j.givens += d != 0;
    j.givensOnly = board.CellValue == board.GivenValue;
    j.indexZeroClear = IndexZeroClear(board);
    j.noMarks = NoMarks(board);
    const ExactResult exact = CountSolutions(board);
    j.solutions = exact.Count();
    if (j.solutions == SolutionCount::One) j.solution = exact.solution;
    j.solvedBySolveBoard = SolvedBySolveBoard(board);
    j.passes = RunForcedPasses(board).passes;
    if (j.solvedBySolveBoard && j.copiesEqual) j.deals = CheckDeals(board, false);
    j.symmetric = GivensPointSymmetric(board);
    j.minimal = j.solvedBySolveBoard && j.copiesEqual && j.givensOnly && MinimalForSolveBoard(board);
    return j;
}

std::vector<std::string> LevelFaults(const BoardJudgement& j, const LevelBand& band) {
    std::vector<std::string> faults;
    if (!j.givensOnly) faults.push_back("Einträge außer den Vorgaben");
    if (!j.copiesEqual) faults.push_back("ungleiche Kopien in einem geteilten Kasten");
    if (!j.indexZeroClear) faults.push_back("Elemente mit Index 0 nicht 0");
    if (!j.noMarks) faults.push_back("Kandidaten markiert");
    if (j.solutions != SolutionCount::One) faults.push_back("nicht genau eine Lösung");
    if (!j.solvedBySolveBoard) faults.push_back("vom Löser nicht gelöst");
    if (!j.symmetric) faults.push_back("Vorgaben nicht punktsymmetrisch");
    if (j.givens < band.minGivens || j.givens > band.maxGivens)
        faults.push_back(std::to_string(j.givens) + " Vorgaben, erlaubt " + std::to_string(band.minGivens) + " bis " +
                         std::to_string(band.maxGivens));
    if (j.solvedBySolveBoard && (j.passes < band.minPasses || j.passes > band.maxPasses))
        faults.push_back(std::to_string(j.passes) + " Durchgänge, erlaubt " + std::to_string(band.minPasses) + " bis " +
                         std::to_string(band.maxPasses));
    if (band.minimal && j.solvedBySolveBoard && !j.minimal) faults.push_back("nicht minimal");
    if (j.solvedBySolveBoard && j.copiesEqual && !j.deals.EveryDealSolved())
        faults.push_back("nicht auf jeder Mischung lösbar: " + DealSummary(j.deals));
    return faults;
}

}  // namespace drz
