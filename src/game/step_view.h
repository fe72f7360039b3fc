// step_view.h — the game's side of a step: its place in the history, what is drawn after it, the beep for a
// wrong digit, and the clock of a game whose candidates are shown.
#pragma once

#include "game/app.h"
#include "model/board_edit.h"

namespace drz {

// The counts and the status of the verdict; the beep when the board holds a wrong digit.
void ShowVerdict(App& app, const Verdict& verdict);
// Records a step in the history (a dealt, loaded or cleared board starts it anew); `candidatesBefore`: whether
// candidates were shown before the step.
void RememberStep(App& app, const EditStep& step, bool candidatesBefore);
void RememberStep(App& app, const EditStep& step);
// A step on one cell, remembered: its faces and marks; with `judged` also the verdict.
void ShowCellStep(App& app, const EditStep& step, bool judged);
// A step on the whole board, remembered: every cell, the verdict, the marks.
void ShowBoardStep(App& app, const EditStep& step);
// The same without a place in the history (a step taken back or made again).
void DrawBoardStep(App& app, const EditStep& step);
// The candidates were computed for the player: from here on the game is not timed.
void StopTimingForCandidates(App& app);

// "Zeige &Kandidaten" and M: candidates shown or hidden, every mark cleared; the game stops being timed.
void ToggleCandidates(App& app);

}  // namespace drz
