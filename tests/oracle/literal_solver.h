// literal_solver.h — the forced-step solver done the slow way, a whole-board rule test per trial, as the oracle for the
// fast one.
#pragma once

#include <string>
#include <vector>

#include "board/board.h"
#include "engine/solver.h"

namespace drz::oracle {

// Every trial writes the digit into the cell and its partner copy, runs LiteralBoardValid and writes 0
// back; every step keeps its own trial count and remembered cell. Reports through the same hooks and
// returns the same results as the engine's solver.
SolveResult LiteralForcedPasses(Board& board, SolveHooks& hooks, int maxPasses = kMaxSolvePasses);
SolveResult LiteralSolveBoard(Board& board, SolveHooks& hooks);
SolveCommandResult LiteralSolveCommand(Board& board, SolveHooks& hooks);

// Hooks that write down every call as one line ("placed 4 2 8 5", "verdict <text> <button>", ...), so
// two solvers can be compared call by call.
struct RecordingHooks : SolveHooks {
    std::vector<std::string> events;
    void Begin() override { events.push_back("begin"); }
    void Placed(int k, int x, int y, int d) override {
        events.push_back("placed " + std::to_string(k) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
                         std::to_string(d));
    }
    void Judged(bool solved) override { events.push_back(solved ? "judged solved" : "judged unsolved"); }
    void Verdict(std::string_view text, std::string_view button) override {
        events.push_back("verdict " + std::string(text) + " " + std::string(button));
    }
    void AfterVerdict() override { events.push_back("after verdict"); }
    void End() override { events.push_back("end"); }
    void EntriesCleared() override { events.push_back("entries cleared"); }
};

}  // namespace drz::oracle
