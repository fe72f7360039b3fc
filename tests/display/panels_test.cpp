// The panels' values: digit counts and the status of the verdict they are given, givens and level, help text.
#include "display/panels.h"
#include "board/board_ops.h"
#include "display/board_view.h"
#include "display/font_codes.h"
#include "oracle/board_factory.h"
#include "screen_fixture.h"

namespace drz::test {
namespace {

class Panels : public ScreenTest {
protected:
    Panels() { DrawStartScreen(); }
    bool ShowsCounts(int count) {
        for (int v = 1; v <= 9; ++v)
            if (!ShowsText(1200 + 24 * v, 331, RightAligned3(count), 8, 12)) return false;
        return true;
    }
    static std::string RightAligned3(int n) {
        std::string s = std::to_string(n);
        return std::string(3 - s.size(), ' ') + s;
    }
};

TEST_F(Panels, StatusOfAnEmptyAndOfAPartialBoardIsNoErrors) {
    const int beeps = platform::BeepCount();
    ShowDigitCounts(d, VerdictOf(board));
    EXPECT_EQ(panels.StatusText, "Keine Fehler! ");
    oracle::Rng rng(11);
    board = oracle::RandomPartialBoard(rng, 0.7);
    ShowDigitCounts(d, VerdictOf(board));
    EXPECT_EQ(panels.StatusText, "Keine Fehler! ");
    EXPECT_TRUE(ShowsText(1232, 446, "Keine Fehler! ", 20, 25));
    EXPECT_EQ(platform::BeepCount(), beeps);
}

TEST_F(Panels, SolvedBoardCounts101AndSaysSo) {
    board = oracle::FullBoard();
    const Verdict verdict = VerdictOf(board);
    ShowDigitCounts(d, verdict);
    for (int v = 1; v <= 9; ++v) EXPECT_EQ(verdict.counts[v], 101);
    EXPECT_TRUE(ShowsCounts(101));
    EXPECT_EQ(panels.StatusText, "Brett gelöst!!! ");
    EXPECT_TRUE(ShowsText(1232, 446, "Brett gelöst!!! ", 20, 25));
    ExpectDefaultState("ShowDigitCounts");
}

// The beep is the game's; the panel only shows the verdict.
TEST_F(Panels, WrongDigitIsShownOnFullAndPartialBoards) {
    oracle::Rng rng(5);
    for (double fill : {1.0, 0.5}) {
        board = oracle::RandomPartialBoard(rng, fill);
        oracle::PutRepeatedDigit(board, rng);
        const int beeps = platform::BeepCount();
        ShowBoardStatus(d, VerdictOf(board));
        EXPECT_EQ(panels.StatusText, "Falsche Zahl! ") << fill;
        EXPECT_EQ(platform::BeepCount(), beeps);
        EXPECT_TRUE(ShowsText(1232, 446, "Falsche Zahl! ", 20, 25));
    }
}

TEST_F(Panels, AStatusLeavesNothingOfTheLongerOneBefore) {
    board = oracle::FullBoard();
    ShowBoardStatus(d, VerdictOf(board));
    board = Board{};
    ShowBoardStatus(d, VerdictOf(board));
    // Everything right of the new text up to the field's border is white again.
    const int width = [&] {
        platform::Canvas c;
        c.SetFont(FontForCode(20, window.LargeFonts()));
        return c.TextWidth("Keine Fehler! ");
    }();
    EXPECT_EQ(CountColour(screen(), 1232 + width, 446, 1419, 470, Pal(15)), (1419 - 1232 - width + 1) * 25);
    EXPECT_TRUE(ShowsText(1232, 446, "Keine Fehler! ", 20, 25));
}

TEST_F(Panels, CountsCountEachSharedCellOnce) {
    // A digit in a shared box stands in two grids but counts once.
    board.Cell(1, 9, 9) = 6;
    SyncSharedBoxes(board);
    const Verdict verdict = VerdictOf(board);
    ShowDigitCounts(d, verdict);
    EXPECT_EQ(verdict.counts[6], 1);
    EXPECT_TRUE(ShowsText(1200 + 24 * 6, 331, "  1", 8, 12));
    EXPECT_TRUE(ShowsText(1200 + 24 * 5, 331, "  0", 8, 12));
}

TEST_F(Panels, LettersChangeRowLabelAndHeader) {
    options.ShowNumerals = false;
    DrawStatisticsPanel(d, VerdictOf(board));
    EXPECT_TRUE(ShowsText(1169, 311, "Ziffer", 8, 12));
    const char* letters = "ABCDEFGHI";
    for (int v = 1; v <= 9; ++v)
        EXPECT_TRUE(ShowsText(1232 + 24 * (v - 1) + 8, 311, std::string(1, letters[v - 1]), 8, 12)) << v;
}

TEST_F(Panels, GivenCountAndLevelName) {
    oracle::Rng rng(9);
    board = oracle::RandomPartialBoard(rng, 0.3);
    oracle::MakeGivens(board);
    const int givens = CountGivens(board);
    ASSERT_GE(givens, 100);  // three characters: more than the field's two
    options.CurrentLevel = 2;
    ShowGivenCount(d);
    EXPECT_EQ(panels.GivenCount, givens);
    EXPECT_TRUE(ShowsText(1381, 568, std::to_string(givens) + " ", 8, 12));
    EXPECT_TRUE(ShowsText(1272, 582, "Schwer", 20, 25));
    board = Board{};
    board.Given(1, 1, 1) = board.Cell(1, 1, 1) = 3;
    board.Given(1, 9, 9) = board.Cell(1, 9, 9) = 4;  // shared with grid 4: one given
    SyncSharedBoxes(board);
    options.CurrentLevel = 0;
    ShowGivenCount(d);
    EXPECT_EQ(panels.GivenCount, 2);
    EXPECT_TRUE(ShowsText(1381, 568, " 2 ", 8, 12));
    EXPECT_TRUE(ShowsText(1272, 582, "Leicht", 20, 25));
    // The wider "Schwer" left nothing behind.
    const auto ink = FindInk(screen(), 1272, 582, 1419, 606, Pal(15));
    ASSERT_TRUE(ink.has_value());
    platform::Canvas c;
    c.SetFont(FontForCode(20, window.LargeFonts()));
    EXPECT_LT(ink->x2, 1272 + c.TextWidth("Leicht"));
    ExpectDefaultState("ShowGivenCount");
}

TEST_F(Panels, LevelPanelRedrawnShowsItsFixedText) {
    panels.GivenCount = 7;
    DrawLevelPanel(d);
    EXPECT_TRUE(ShowsText(1221, 568, "Vorgegebene Zahlen: ", 8, 12));
    EXPECT_TRUE(ShowsText(1381, 568, " 0 ", 8, 12));  // recounted: the board has no givens
}

TEST_F(Panels, HelpTextIsWrittenOpaque) {
    panels.HelpText = "Rechte Taste löscht Feld!";
    ShowHelpText(d);
    EXPECT_TRUE(ShowsText(1207, 711, "Rechte Taste löscht Feld!", 8, 12));
    panels.HelpText = "Bitte ein Feld anklicken! ";
    ShowHelpText(d);
    EXPECT_TRUE(ShowsText(1207, 711, "Bitte ein Feld anklicken! ", 8, 12));
    ExpectDefaultState("ShowHelpText");
}

TEST_F(Panels, LargeFontLayoutShiftsCountsAndHeader) {
    panels.LargeFontFallback = true;
    options.ShowNumerals = false;
    DrawStatisticsPanel(d, VerdictOf(board));
    // Counts four pixels further left; the header glyphs at the column start, "I" four pixels in.
    EXPECT_TRUE(ShowsText(1196 + 24 * 1, 331, "  0", 8, 12));
    EXPECT_TRUE(ShowsText(1232, 311, "A", 8, 12));
    EXPECT_TRUE(ShowsText(1232 + 24 * 8 + 4, 311, "I", 8, 12));
}

}  // namespace
}  // namespace drz::test
