// T in the game loops: the solver's next step outlined and explained, gone again pixel for pixel, the clock
// stopped for good; in own-board entry only a word that hints come in play.
#include "game/hint_key.h"
#include "display/hint_marks.h"
#include "display/panel_layout.h"
#include "engine/hint.h"
#include "game/game_loops.h"
#include "game/hint_text.h"
#include "play_fixture.h"

namespace drz::test {
namespace {

class HintKeyTest : public PlayTest {
protected:
    bool HelpFieldHasText() {
        int dark = 0;
        for (int y = kHintTextArea.y1; y <= kHintTextArea.y2; ++y)
            for (int x = kHintTextArea.x1; x <= kHintTextArea.x2; ++x) dark += Pixel(x, y) == platform::Rgb{0, 0, 0};
        return dark > 100;
    }
    void PressT(GameLoop loop) {
        ASSERT_TRUE(HintKey(app, loop, {platform::kKeyUp, 'T'}));
        ShowHint(app);
    }
};

TEST_F(HintKeyTest, TheSolversNextStepOutlinedExplainedAndGoneAgain) {
    app.board = puzzle;
    const CellRef c = FindCell(2, false);
    ClickCell(c.k, c.x, c.y);  // the pad opened and closed: the help text it leaves
    ClickCell(c.k, c.x, c.y, true);
    KeyUp(27);
    PlayLoop(app);
    const std::vector<platform::Rgb> before = ScreenPixels();
    const Hint expected = FindHint(puzzle);
    ASSERT_NE(expected.cell.k, 0);
    app.clock.ClockRunning = true;

    PressT(GameLoop::Play);
    EXPECT_EQ(app.input.HintSentence, HintSentence(expected, true));
    EXPECT_FALSE(app.clock.ClockRunning);  // for good: a game with a hint is never recorded
    const FaceBox f = CellFace(expected.cell.k, expected.cell.x, expected.cell.y);
    EXPECT_EQ(Pixel(f.x1, f.y1), kHintColour);
    EXPECT_EQ(Pixel(f.x1 + 3, f.y2 - 3), kHintColour);  // the inner frame ...
    EXPECT_NE(Pixel(f.x1 + 2, f.y1 + 2), kHintColour);  // ... apart from the outer one
    if (expected.unit.kind != UnitKind::None) {
        const CellRef first = UnitCells(expected.cell.k, expected.unit).front();
        EXPECT_EQ(Pixel(CellLeft(first.k, first.x), CellTop(first.k, first.y) + 12), kHintColour);
    }
    EXPECT_TRUE(HelpFieldHasText());
    EXPECT_EQ(app.board.CellValue, puzzle.CellValue);
    HideHint(app);
    EXPECT_TRUE(ScreenPixels() == before);

    // Through the loop, beside the cursor and the highlight: the next key takes it away.
    KeyUp(39);
    KeyUp('G');
    KeyUp('T');
    Type('x');
    KeyUp('G');
    KeyUp(27);
    PlayLoop(app);
    EXPECT_FALSE(app.input.ShownHint);
    EXPECT_TRUE(ScreenPixels() == before);
}

TEST_F(HintKeyTest, OwnBoardEntryOnlySaysThatHintsComeInPlay) {
    app.board = puzzle;
    KeyUp(27);
    OwnBoardLoop(app);
    const std::vector<platform::Rgb> before = ScreenPixels();
    PressT(GameLoop::OwnBoard);
    EXPECT_EQ(app.input.HintSentence, kOwnBoardHintText);
    EXPECT_TRUE(HelpFieldHasText());
    HideHint(app);
    EXPECT_TRUE(ScreenPixels() == before);
    EXPECT_EQ(app.board.CellValue, puzzle.CellValue);
}

TEST(HintText, SentencesForEveryKindWithDigitsAndLetters) {
    const CellRef cell{4, 2, 3};
    EXPECT_EQ(HintSentence({HintKind::RowSingle, cell, 7, {UnitKind::Row, 3}}, true),
              "In Gitter 4, Zeile 3, passt die 7 nur in dieses Feld.");
    EXPECT_EQ(HintSentence({HintKind::ColumnSingle, cell, 7, {UnitKind::Column, 2}}, false),
              "In Gitter 4, Spalte 2, passt das G nur in dieses Feld.");
    EXPECT_EQ(HintSentence({HintKind::BoxSingle, cell, 1, {UnitKind::Box, 0}}, true),
              "In Gitter 4, Block links oben, passt die 1 nur in dieses Feld.");
    EXPECT_EQ(HintSentence({HintKind::NakedSingle, cell, 7, {}}, true), "In dieses Feld passt nur die 7.");
    EXPECT_EQ(HintSentence({HintKind::Clash, cell, 5, {UnitKind::Box, 4}}, true),
              "In Gitter 4, Block Mitte, steht die 5 zweimal.");
    EXPECT_EQ(HintSentence({HintKind::WrongEntry, cell, 9, {}}, false), "Das I in diesem Feld ist falsch.");
    EXPECT_EQ(HintSentence({HintKind::DeadCell, cell, 0, {}}, true), "In dieses Feld passt nichts mehr.");
    EXPECT_EQ(HintSentence({}, true), "Hier muss man raten.");
    EXPECT_EQ(HintSentence({HintKind::Solved, {0, 0, 0}, 0, {}}, true), "Das Brett ist gelöst.");
}

}  // namespace
}  // namespace drz::test
