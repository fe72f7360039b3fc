#include "level_report.h"

namespace drz::tool {

std::string SlotLine(int slot, const BoardJudgement& j, const std::string& status) {
    std::string line = "Platz " + std::to_string(slot) + ": " + std::to_string(j.givens) + " Vorgaben, Status \"" +
                       status + "\", Kopien " + (j.copiesEqual ? "gleich" : "ungleich") +
                       ", Lösungen: " + SolutionCountText(j.solutions) + ", ";
    line += j.solvedBySolveBoard ? "vom Löser gelöst in " + std::to_string(j.passes) + " Durchgängen"
                                 : std::string("vom Löser nicht gelöst");
    line += j.symmetric ? ", punktsymmetrisch" : ", nicht punktsymmetrisch";
    line += j.minimal ? ", minimal" : ", nicht minimal";
    if (j.solvedBySolveBoard && j.copiesEqual) line += ", " + DealSummary(j.deals);
    if (!j.givensOnly) line += ", Einträge außer den Vorgaben";
    if (!j.noMarks) line += ", Kandidaten markiert";
    if (!j.indexZeroClear) line += ", Index-0-Elemente belegt";
    return line;
}

}  // namespace drz::tool
