// exact_search.h — counts the solutions of a board up to a limit: singles propagation and branching.
#pragma once

#include <cstdint>
#include <functional>

#include "board/board.h"
#include "engine/exact_cells.h"

namespace drz {

struct ExactLimits {
    int maxSolutions = 2;               // stop after this many; 2 proves or disproves uniqueness
    std::int64_t maxNodes = 5'000'000;  // stop and answer "unknown" after this many trials
    std::function<int(int)> random;     // when set, Random(n) in 0..n-1 shuffles the digit order of each branch
    bool probe = true;                  // before branching, try both digits of every two-candidate cell
};

enum class SolutionCount { None, One, Several, Unknown };

struct ExactResult {
    int solutions = 0;          // found before the search ended, at most maxSolutions
    bool finished = false;      // false when the node limit cut the search short
    std::int64_t nodes = 0;     // trials (branches and probes), the root included
    std::int64_t branches = 0;  // nodes that had to branch
    CellDigits solution{};      // the first solution found (valid when solutions > 0)

    SolutionCount Count() const;
};

// Counts the completions of the digits in CellValue. Two copies of a shared cell that differ make a board
// without solution.
ExactResult CountSolutions(const Board& board, const ExactLimits& limits = {});
ExactResult CountSolutions(const CellDigits& digits, const ExactLimits& limits = {});

// "0", "1", "≥2" or "unbekannt".
const char* SolutionCountText(SolutionCount count);

}  // namespace drz
