// generator_check.h — judges a board against everything a level board must be, and names what it misses.
#pragma once

#include <string>
#include <vector>

#include "board/board.h"
#include "engine/exact_search.h"
#include "engine/generator_bands.h"
#include "engine/generator_deals.h"

namespace drz {

struct BoardJudgement {
    int givens = 0;               // distinct cells with a given (read from the primary copies)
    bool copiesEqual = false;     // both copies of every shared cell hold the same digit and given
    bool givensOnly = false;      // CellValue equals GivenValue everywhere: every given in both, 0 elsewhere
    bool indexZeroClear = false;  // every element with an index 0 is 0 in CellValue and GivenValue
    bool noMarks = false;         // no candidate mark set
    SolutionCount solutions = SolutionCount::Unknown;
    CellDigits solution{};            // when solutions is One
    bool solvedBySolveBoard = false;  // the game's SolveBoard ends with "Das Brett wurde gelöst!"
    int passes = 0;                   // forced-step passes up to the one that placed the last digit, unshuffled
    DealCheck deals;                  // the whole deal set, run when SolveBoard solves the board and copies are equal
    bool symmetric = false;           // givens point-symmetric under the half turn
    bool minimal = false;             // solved, and every symmetric pair of givens taken out makes it unsolved
};

// Looks at the board as a level file delivers it (nothing is brought up to date first).
BoardJudgement JudgeBoard(const Board& board);

// What keeps a judged board out of `band`, in German, one text per missed requirement; empty when none.
std::vector<std::string> LevelFaults(const BoardJudgement& j, const LevelBand& band);

// How the board fared on the deal set, in German: "alle 256 Mischungen in höchstens 13 Durchgängen gelöst",
// or what failed and the most passes any finished shuffle needed.
std::string DealSummary(const DealCheck& deals);

// True when every symmetric pair of givens, taken out of the board, leaves SolveBoard unsolved.
bool MinimalForSolveBoard(const Board& board);

}  // namespace drz
