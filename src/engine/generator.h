// generator.h — makes level boards: a random full solution thinned out by symmetric pairs of givens.
#pragma once

#include <array>

#include "board/board.h"
#include "engine/exact_cells.h"
#include "engine/generator_bands.h"
#include "engine/random.h"

namespace drz {

struct GeneratedBoard {
    Board board;            // the givens in CellValue and GivenValue, nothing else
    CellDigits solution{};  // its one solution
    int givens = 0;         // distinct given cells
    int passes = 0;         // forced-step passes to the last placed digit, on the board as it stands
    int dealPasses = 0;     // the most passes any shuffle of the deal set needed (generator_deals.h)
    int attempts = 0;       // removal orders tried (over all solutions drawn) until one was kept
};

// One board inside `band`, drawn from `random`: the same state of the source gives the same board.
// Every board is point-symmetric, has exactly one solution (proved by the exact search), is solved by
// the game's SolveBoard within its 15 passes, and is solvable on every deal (CheckDeals); a minimal band's
// boards lose forced-step solvability with any further pair.
GeneratedBoard GenerateBoard(const LevelBand& band, RandomSource& random);

// The four boards of a level file, with four different solutions.
std::array<GeneratedBoard, 4> GenerateLevelBoards(const LevelBand& band, RandomSource& random);

// A uniformly shuffled full solution from the exact search with a random digit order.
CellDigits RandomSolution(RandomSource& random);

}  // namespace drz
