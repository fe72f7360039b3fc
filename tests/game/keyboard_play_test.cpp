// Keyboard play in both loops: the cursor, digits and the pad by key, the same-digit highlight.
#include "game/keyboard_play.h"
#include "board/board_layers.h"
#include "display/keyboard_marks.h"
#include "display/palette.h"
#include "engine/rules.h"
#include "engine/shuffle.h"
#include "game/game_loops.h"
#include "game/menu_bar.h"
#include "game/menu_commands.h"
#include "input/cursor_moves.h"
#include "play_fixture.h"

namespace drz::test {
namespace {

constexpr int kTab = 9, kSpace = 32, kLeft = 37, kRight = 39, kDown = 40, kDelete = 46;

class KeyboardPlay : public PlayTest {
protected:
    void ShiftKeyUp(int key) { app.window.PostInput({platform::kKeyUp, key, 0, 0, platform::kShiftHeld}); }
    // The cell clicked (the pad it opens closed by the right button), then the first arrow shows the cursor there.
    void CursorTo(CellRef cell, bool padOpens = true) {
        ClickCell(cell.k, cell.x, cell.y);
        if (padOpens) ClickCell(cell.k, cell.x, cell.y, true);
        KeyUp(kLeft);
    }
    void PlayUntilEscape() {
        KeyUp(27);
        PlayLoop(app);
    }
    bool CursorFrameAt(CellRef c) {
        const FaceBox f = CellFace(c.k, c.x, c.y);
        return Pixel(f.x1, f.y1) == kCursorColour && Pixel(f.x2, f.y2) == kCursorColour;
    }
};

TEST_F(KeyboardPlay, DigitsByKeyWithWrongEntriesClearsGivensAndLetters) {
    app.board = puzzle;
    const CellRef c = FindCell(1, false, 7, 7);  // in the box grid 1 shares with grid 4
    const auto partner = PartnerCell(c.k, c.x, c.y);
    ASSERT_TRUE(partner);
    int wrong = 0;  // a digit the cell's row already holds
    for (int x = 1; x <= 9 && wrong == 0; ++x) wrong = puzzle.Given(1, x, c.y);
    ASSERT_NE(wrong, 0);
    Type('5');  // no cursor yet: nothing
    CursorTo(c);
    const int beeps = platform::BeepCount();
    Type('0' + wrong);
    PlayUntilEscape();
    EXPECT_EQ(app.board.Cell(partner->k, partner->x, partner->y), wrong);  // both copies
    EXPECT_EQ(app.panels.StatusText, "Falsche Zahl! ");
    EXPECT_GT(platform::BeepCount(), beeps);
    EXPECT_EQ(app.board.Cell(1, 1, 1), puzzle.Cell(1, 1, 1));

    const Board solution = Solved(puzzle);
    app.options.ShowNumerals = false;  // letters shown: digit keys still enter digits, A does not abort
    CursorTo(c);
    Type(8);  // Backspace
    KeyUp('A');
    Type('0' + solution.Cell(c.k, c.x, c.y));
    PlayUntilEscape();
    EXPECT_EQ(app.board.Cell(partner->k, partner->x, partner->y), solution.Cell(c.k, c.x, c.y));
    EXPECT_NE(app.panels.StatusText, "Falsche Zahl! ");
    CursorTo(c);
    KeyUp(kDelete);
    PlayUntilEscape();
    EXPECT_EQ(app.board.Cell(c.k, c.x, c.y), 0);

    const CellRef g = FindCell(5, true);  // a given stays
    CursorTo(g, false);
    Type('0');
    Type('0' + g.x % 9 + 1);
    PlayUntilEscape();
    EXPECT_EQ(app.board.CellValue, puzzle.CellValue);
    EXPECT_FALSE(app.input.Cursor);  // gone with the loop
}

TEST_F(KeyboardPlay, ATimedGameSolvedByKeysAloneIsRecorded) {
    PlantLevelFile(0);
    app.random = RandomSource(77);
    RandomSource twin(77);
    twin.Random(4);
    Board dealt = puzzle;
    ShuffleBoard(dealt, twin, true);
    const Board solution = Solved(dealt);
    KeyUp(kLeft);
    if (dealt.Cell(1, 1, 1) != 0) KeyUp(kTab);
    for (int row = 0; row < 33; ++row)
        for (int column = 0; column < 33; ++column) {
            const std::optional<CellRef> cell = LatticeCell(column, row);
            if (!cell || dealt.Cell(cell->k, cell->x, cell->y) != 0) continue;
            Type('0' + solution.Cell(cell->k, cell->x, cell->y));
            KeyUp(kTab);
        }
    KeyUp('A');  // after the hall of fame Escape waits for the next pad; A ends the game
    AnswerRecord("Berta");
    RunMenuCommand(app, kMenuNewGame);
    EXPECT_EQ(app.board.CellValue, solution.CellValue);
    ASSERT_EQ(Recorded().size(), 1u);
    EXPECT_EQ(app.hallOfFame.ChampName[0][1], "Berta");
}

TEST_F(KeyboardPlay, SpaceAndReturnOpenThePadShiftForNotes) {
    app.board = puzzle;
    const CellRef c = FindCell(9, false);
    const CellRef n = FindCell(9, false, c.x, c.y + 1);
    CursorTo(c);
    KeyUp(kSpace);
    Type('4');  // into the pad
    for (int y = c.y; y < n.y; ++y) KeyUp(kDown);
    ShiftKeyUp(kSpace);
    Type('3');
    ShiftKeyUp(13);
    Type('7');
    ShiftKeyUp(kTab);  // back to an earlier empty cell, then Return: the pad with a digit
    KeyUp(13);
    Type('2');
    PlayUntilEscape();
    EXPECT_EQ(app.board.Cell(c.k, c.x, c.y), 4);
    EXPECT_FALSE(app.input.PickerActive);
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(app.board.Mark(n.k, n.x, n.y, d), d == 3 || d == 7) << d;
    EXPECT_EQ(app.board.Cell(n.k, n.x, n.y), 0);
    const CellRef back = MovedCursor(app.board, n, CursorMove::PreviousEmpty);
    EXPECT_EQ(app.board.Cell(back.k, back.x, back.y), 0);  // computed after the entry: the next one back
    int twos = 0;
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) twos += app.board.Cell(k, x, y) == 2 && puzzle.Cell(k, x, y) != 2;
    EXPECT_GE(twos, 1);
}

TEST_F(KeyboardPlay, CursorAndHighlightLeaveThePictureAsItWas) {
    app.board = puzzle;
    const CellRef c = FindCell(3, false);
    ClickCell(3, c.x, c.y);
    ClickCell(3, c.x, c.y, true);
    PlayUntilEscape();
    const std::vector<platform::Rgb> before = ScreenPixels();
    CursorTo(c);
    KeyUp(kDown);
    KeyUp('G');
    KeyUp(kTab);
    KeyUp(36);
    KeyUp('G');
    KeyUp('G');
    PlayUntilEscape();  // the loop ends with both shown: they go with it
    EXPECT_TRUE(ScreenPixels() == before);

    const CellRef g = FindCell(4, true, 1, 1);  // a given in the box grid 4 shares with grid 1
    const int digit = puzzle.Given(g.k, g.x, g.y);
    app.input.Cursor = LatticeCell(CellBox(g.k, g.x, g.y).column, CellBox(g.k, g.x, g.y).row);
    app.input.SameDigitHighlight = true;
    ShowKeyboardMarks(app);
    EXPECT_TRUE(CursorFrameAt(*app.input.Cursor));
    int tinted = 0, cells = 0;
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const auto partner = PartnerCell(k, x, y);
                if (partner && partner->k < k) continue;  // the same pixels as its lower copy
                const FaceBox f = CellFace(k, x, y);
                tinted += Pixel(f.x1 + 5, f.y2 - 4) == kHighlightTint && Pixel(f.x1 + 2, f.y1 + 2) == kHighlightFrame;
                cells += puzzle.Cell(k, x, y) == digit;
            }
    EXPECT_EQ(tinted, cells);
    EXPECT_GT(cells, 13);
    HideKeyboardMarks(app);
    EXPECT_TRUE(ScreenPixels() == before);
}

TEST_F(KeyboardPlay, OwnBoardEntryTakesGivensByKey) {
    CursorTo({2, 3, 4});
    Type('6');
    KeyUp(kRight);
    Type('8');
    KeyUp(kDelete);
    KeyUp(27);
    OwnBoardLoop(app);
    EXPECT_EQ(app.board.Given(2, 3, 4), 6);
    EXPECT_EQ(app.board.Given(2, 4, 4), 0);
    EXPECT_EQ(app.panels.GivenCount, 1);
}

}  // namespace
}  // namespace drz::test
