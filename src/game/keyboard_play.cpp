// Keyboard play: arrows, Tab, Home and End move the cursor; digits, clears and the pad act on its cell; G
// marks every cell of a digit.
#include "game/keyboard_play.h"

#include "display/keyboard_marks.h"
#include "game/game_loop.h"
#include "input/cursor_moves.h"
#include "input/hit_test.h"

namespace drz {

namespace {

constexpr int kBackspace = 8, kTab = 9, kReturn = 13, kSpace = 32, kEnd = 35, kHome = 36;
constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kDelete = 46;

constexpr CellRef kFirstCell{1, 1, 1};

bool ShiftHeld(const platform::InputEvent& event) { return (event.modifiers & platform::kShiftHeld) != 0; }

std::optional<CursorMove> MoveOfKey(int key, bool shift) {
    switch (key) {
        case kLeft:
            return CursorMove::Left;
        case kRight:
            return CursorMove::Right;
        case kUp:
            return CursorMove::Up;
        case kDown:
            return CursorMove::Down;
        case kHome:
            return CursorMove::RowStart;
        case kEnd:
            return CursorMove::RowEnd;
        case kTab:
            return shift ? CursorMove::PreviousEmpty : CursorMove::NextEmpty;
        default:
            return std::nullopt;
    }
}

bool IsArrow(int key) { return key >= kLeft && key <= kDown; }

// A released key: a move of the cursor (the first arrow shows it), the pad at the cursor, G.
bool ReleasedKey(App& app, const LoopRules& rules, const platform::InputEvent& event) {
    InputState& in = app.input;
    if (event.param == 'G') {
        in.SameDigitHighlight = !in.SameDigitHighlight;
        return true;
    }
    if (const std::optional<CursorMove> move = MoveOfKey(event.param, ShiftHeld(event))) {
        if (in.Cursor) {
            in.Cursor = MovedCursor(app.board, *in.Cursor, *move);
        } else if (IsArrow(event.param)) {
            in.Cursor = in.LastClicked.value_or(kFirstCell);
        }
        return in.Cursor.has_value();
    }
    if (!in.Cursor) return false;
    if (event.param == kSpace || event.param == kReturn) {
        rules.cellKey(app, *in.Cursor, {ShiftHeld(event) ? CellKey::Kind::NotesPad : CellKey::Kind::Pad, 0});
        return true;
    }
    if (event.param == kDelete) {
        rules.cellKey(app, *in.Cursor, {CellKey::Kind::Digit, 0});
        return true;
    }
    return false;
}

// A typed digit (main row or keypad) enters it, "0" and Backspace clear; letters keep the loop's meaning.
bool TypedKey(App& app, const LoopRules& rules, int character) {
    if (!app.input.Cursor) return false;
    if (character == kBackspace) character = '0';
    if (character < '0' || character > '9') return false;
    rules.cellKey(app, *app.input.Cursor, {CellKey::Kind::Digit, character - '0'});
    return true;
}

}  // namespace

void HideKeyboardMarks(App& app) { EraseKeyboardMarks(app.display, app.input.CoveredFaces); }

void ShowKeyboardMarks(App& app) {
    InputState& in = app.input;
    if (in.SameDigitHighlight) {
        const int digit = in.Cursor ? app.board.Cell(in.Cursor->k, in.Cursor->x, in.Cursor->y) : in.LastEnteredDigit;
        DrawDigitHighlight(app.display, digit, in.CoveredFaces);
    }
    if (in.Cursor) DrawCursorFrame(app.display, *in.Cursor, in.CoveredFaces);
}

void NoteBoardClick(App& app, const platform::InputEvent& event) {
    const std::optional<CellHit> hit = HitTest(event.x, event.y);
    if (!hit) return;
    app.input.LastClicked = CellRef{hit->grid, hit->column, hit->row};
    if (app.input.Cursor) app.input.Cursor = app.input.LastClicked;
}

bool KeyboardPlayKey(App& app, const LoopRules& rules, const platform::InputEvent& event) {
    if (event.message == platform::kKeyUp) return ReleasedKey(app, rules, event);
    if (event.message == platform::kChar) return TypedKey(app, rules, event.param);
    return false;
}

void EndKeyboardPlay(App& app) {
    HideKeyboardMarks(app);
    app.input.Cursor.reset();
    app.input.SameDigitHighlight = false;
}

}  // namespace drz
