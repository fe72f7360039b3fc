// solver_hooks.h — how the forced-step solver reports to its caller: placements, verdict, cursor, redraws.
#pragma once

#include <string_view>

namespace drz {

// The two verdicts of SolveBoard, each with the caption of the single button of its message box.
inline constexpr std::string_view kSolvedText = "Das Brett wurde gelöst!";
inline constexpr std::string_view kSolvedButton = "&Klasse";
inline constexpr std::string_view kUnsolvedText = "Das Brett läßt sich nicht eindeutig lösen?";
inline constexpr std::string_view kUnsolvedButton = "&Schade";

// The solver calls these in this order for every run of SolveBoard:
//
//   Begin                      show the wait cursor
//   Placed(k, x, y, d) ...     once per final placement, in placement order; the digit is already in both
//                              copies; the game draws cell (k, x, y)
//   Judged(solved)             after the passes; the board's DigitCount has been recounted (shared copies
//                              brought up to date) and `solved` is "every digit 101 times and BoardValid";
//                              the game redraws the counts and the status text here
//   Verdict(text, button)      the message box: kSolvedText/kSolvedButton or kUnsolvedText/kUnsolvedButton
//   AfterVerdict               the game refreshes the candidate marks here when ShowCandidates is set
//   End                        show the arrow cursor again
//
// SolveCommand adds, between a first run that ends contradictory and the second run:
//
//   EntriesCleared             ClearEntries has emptied every entry and mark; the game redraws the board
//
// Every hook has an empty default, so a caller overrides only what it needs.
struct SolveHooks {
    virtual ~SolveHooks() = default;
    virtual void Begin() {}
    virtual void Placed(int /*k*/, int /*x*/, int /*y*/, int /*d*/) {}
    virtual void Judged(bool /*solved*/) {}
    virtual void Verdict(std::string_view /*text*/, std::string_view /*button*/) {}
    virtual void AfterVerdict() {}
    virtual void End() {}
    virtual void EntriesCleared() {}
};

}  // namespace drz
