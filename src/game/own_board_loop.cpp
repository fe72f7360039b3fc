// Own-board entry: givens by the pad and the right button; no clock, no solved check.
#include "display/panels.h"
#include "game/game_loop.h"
#include "game/game_loops.h"
#include "game/step_view.h"
#include "input/board_click.h"

namespace drz {

namespace {

void ShowOwnBoardClick(App& app, const BoardClick& click) {
    if (!click.hitCell) return;
    if (click.step) ShowCellStep(app, *click.step, false);
    ShowVerdict(app, click.step ? click.step->verdict : VerdictOf(app.board));
    ShowGivenCount(app.display);
}

void OwnBoardCellClick(App& app, const platform::InputEvent& event) {
    ShowOwnBoardClick(app, OwnBoardClick(app.display, app.input, event));
}

void OwnBoardCursorKey(App& app, CellRef cell, CellKey key) {
    ShowOwnBoardClick(app, OwnBoardCellKey(app.display, app.input, cell, key));
}

}  // namespace

void OwnBoardLoop(App& app) { RunGameLoop(app, {GameLoop::OwnBoard, OwnBoardCellClick, OwnBoardCursorKey}); }

}  // namespace drz
