// Candidate marks: positions in reading order, the narrow "I", erasing, skipping filled cells, the clock stop.
#include "board/geometry.h"
#include "display/board_view.h"
#include "display/cell_geometry.h"
#include "display/font_codes.h"
#include "oracle/board_factory.h"
#include "screen_fixture.h"

namespace drz::test {
namespace {

class CandidateMarks : public ScreenTest {
protected:
    CandidateMarks() { DrawStartScreen(); }

    std::optional<InkBox> MarkInk(int k, int x, int y, int digit) {
        const int cx = CandidateX(CellLeft(k, x), digit), cy = CandidateY(CellTop(k, y), digit);
        return FindInk(screen(), cx, cy + 1, cx + 6, cy + 7, Pal(15));
    }
    std::optional<InkBox> ReferenceInk(int x, int y, int digit) { return GlyphInk(kFontCandidate, x, y, digit); }
    std::optional<InkBox> FaceInk(int k, int x, int y) {
        const FaceBox f = CellFace(k, x, y);
        return FindInk(screen(), f.x1, f.y1, f.x2, f.y2, Pal(15));
    }
};

TEST_F(CandidateMarks, EmptyBoardShowsAllNineEverywhere) {
    options.ShowCandidates = true;
    const EditStep step = Refresh(board, CandidateRule(options));
    EXPECT_TRUE(step.candidatesRecomputed);
    DrawStepCells(d, step);
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                for (int digit = 1; digit <= 9; ++digit)
                    ASSERT_TRUE(MarkInk(k, x, y, digit).has_value()) << k << " " << x << "," << y << " " << digit;
    ExpectDefaultState("DrawStepCells");
}

// A mark is erased by whitening (cx, cy + 1)-(cx + 6, cy + 7): every glyph must lie inside, and the box must stay
// clear of the cell's lines and of the neighbouring marks.
TEST_F(CandidateMarks, EveryMarkGlyphFitsItsEraseBox) {
    for (bool numerals : {true, false}) {
        options.ShowNumerals = numerals;
        for (int digit = 1; digit <= 9; ++digit) {
            const int cx = 400, cy = 400;
            const int shift = !numerals && digit == 9 ? 1 : 0;
            const auto ink = ReferenceInk(cx + shift, cy, digit);
            ASSERT_TRUE(ink.has_value());
            SCOPED_TRACE(::testing::Message() << "digit " << digit << (numerals ? " numeral" : " letter"));
            EXPECT_GE(ink->x1, cx);
            EXPECT_LE(ink->x2, cx + 6);
            EXPECT_GE(ink->y1, cy + 1);
            EXPECT_LE(ink->y2, cy + 7);
        }
    }
    // Box of mark 3 / 9 ends left of the two-pixel line after a box's last column; mark 7..9 above the one below.
    EXPECT_LT(CandidateX(0, 3) + 6, 33 - 1);
    EXPECT_LT(CandidateY(0, 9) + 7, 25 - 1);
    EXPECT_GT(CandidateY(0, 1) + 1, 0);
}

TEST_F(CandidateMarks, MarksStandInReadingOrderAtTheirPositions) {
    for (bool numerals : {true, false}) {
        options.ShowNumerals = numerals;
        for (int digit = 1; digit <= 9; ++digit) {
            board.SetAllMarks(false);
            board.Mark(5, 4, 6, digit) = true;
            DrawCandidates(d);
            const int cx = CandidateX(CellLeft(5, 4), digit), cy = CandidateY(CellTop(5, 6), digit);
            const int shift = !numerals && digit == 9 ? 1 : 0;
            SCOPED_TRACE(::testing::Message() << "digit " << digit << (numerals ? " numeral" : " letter"));
            EXPECT_EQ(FaceInk(5, 4, 6), ReferenceInk(cx + shift, cy, digit));
        }
    }
}

TEST_F(CandidateMarks, LetterIMovesOnePixelRight) {
    options.ShowNumerals = false;
    board.Mark(2, 2, 2, 9) = true;
    DrawCandidates(d);
    const int cx = CandidateX(CellLeft(2, 2), 9), cy = CandidateY(CellTop(2, 2), 9);
    const auto drawn = FaceInk(2, 2, 2);
    const auto unshifted = ReferenceInk(cx, cy, 9);
    ASSERT_TRUE(drawn && unshifted);
    EXPECT_EQ(drawn->x1 - unshifted->x1, 1);
}

TEST_F(CandidateMarks, MarksTurnedOffAreErasedCompletely) {
    for (bool numerals : {true, false}) {
        options.ShowNumerals = numerals;
        board.SetAllMarks(true);
        DrawCandidates(d);
        ASSERT_TRUE(FaceInk(9, 5, 5).has_value());
        board.SetAllMarks(false);
        DrawCandidates(d);
        for (int k = 1; k <= kGridCount; ++k)
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) ASSERT_FALSE(FaceInk(k, x, y).has_value()) << k << " " << x << "," << y;
    }
}

TEST_F(CandidateMarks, FilledCellsAreSkipped) {
    board.Cell(6, 3, 3) = 5;
    board.SetAllMarks(true);
    DrawCell(d, {6, 3, 3}, 5);
    platform::Canvas before;
    const int left = CellLeft(6, 3), top = CellTop(6, 3);
    before.Restore(screen().Save(left, top, left + 33, top + 25), left, top);
    DrawCandidates(d);
    EXPECT_TRUE(SameRegion(before, screen(), left, top, left + 33, top + 25));
    EXPECT_TRUE(FaceInk(6, 4, 3).has_value());
}

TEST_F(CandidateMarks, ComputedMarksLeaveFilledAndBlockedDigitsOut) {
    oracle::Rng rng(3);
    board = oracle::RandomPartialBoard(rng, 0.6);
    options.ShowCandidates = true;
    RedrawCells(d, Refresh(board, CandidateRule(options)).verdict);
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                if (board.Cell(k, x, y) != 0) continue;
                for (int digit = 1; digit <= 9; ++digit)
                    ASSERT_EQ(MarkInk(k, x, y, digit).has_value(), board.Mark(k, x, y, digit))
                        << k << " " << x << "," << y << " " << digit;
            }
}

TEST_F(CandidateMarks, HiddenCandidatesAreNotRecomputed) {
    board.Mark(1, 1, 1, 4) = true;
    EXPECT_FALSE(Refresh(board, CandidateRule(options)).candidatesRecomputed);
    DrawCandidates(d);
    EXPECT_TRUE(board.Mark(1, 1, 1, 4));
    EXPECT_FALSE(board.Mark(1, 1, 1, 5));
    EXPECT_TRUE(MarkInk(1, 1, 1, 4).has_value());
}

}  // namespace
}  // namespace drz::test
