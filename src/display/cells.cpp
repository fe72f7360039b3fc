// Cell faces: givens on light grey, entries on white, as numerals or letters; the whole-board redraw.
#include "board/board.h"
#include "display/board_view.h"
#include "display/cell_geometry.h"
#include "display/drawing.h"
#include "display/font_codes.h"
#include "display/panels.h"

namespace drz {

namespace {

constexpr std::string_view kNumerals[10] = {"", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr std::string_view kLetters[10] = {"", "A", "B", "C", "D", "E", "F", "G", "H", "I"};

void DrawFace(Display& d, CellRef cell, int digit, platform::Rgb background) {
    UseFont(d, kFontDigit);
    const FaceBox f = CellFace(cell.k, cell.x, cell.y);
    d.screen.SetForeground(background);
    d.screen.SetFill(background);
    d.screen.SetMix(platform::MixMode::Copy);
    d.screen.SetLineWidth(1);
    d.screen.SetOpaqueText(true);
    d.screen.FilledBox(f.x1, f.y1, f.x2, f.y2);
    CoverMarks(d, cell);
    if (digit != 0) {
        d.screen.SetForeground(Colour(0));
        TransparentText(d, CellGlyphX(f.x1, digit, d.options.ShowNumerals), f.y1 - 1, DigitGlyph(d.options, digit));
    }
    LeaveDefaultState(d);
}

// Both copies of a shared cell lie on the same pixels: the one in the higher-numbered grid needs no face.
bool IsSecondaryCopy(CellRef cell) {
    const auto partner = PartnerCell(cell.k, cell.x, cell.y);
    return partner && partner->k < cell.k;
}

void DrawCurrentFace(Display& d, CellRef c) {
    const int given = d.board.Given(c.k, c.x, c.y);
    if (given != 0) {
        DrawGivenCell(d, c, given);
    } else {
        DrawCell(d, c, d.board.Cell(c.k, c.x, c.y));
    }
}

bool TouchesMarks(StepKind kind) { return kind == StepKind::ToggleMark || kind == StepKind::ClearMarks; }

// The cell a digit or a clear was aimed at gets its face even when it held that already: a clear covers the
// marks of the cell.
void DrawChangedFaces(Display& d, const EditStep& step) {
    if (step.cell && !TouchesMarks(step.kind)) DrawCurrentFace(d, *step.cell);
    for (const CellChange& c : step.changes) {
        if (c.oldValue == c.newValue && c.oldGiven == c.newGiven) continue;
        if (IsSecondaryCopy(c.cell) || c.cell == step.cell) continue;
        DrawCurrentFace(d, c.cell);
    }
}

}  // namespace

std::string_view DigitGlyph(const Options& options, int digit) {
    if (digit < 1 || digit > 9) return {};
    return options.ShowNumerals ? kNumerals[digit] : kLetters[digit];
}

void DrawGivenCell(Display& d, CellRef cell, int digit) { DrawFace(d, cell, digit, Colour(7)); }

void DrawCell(Display& d, CellRef cell, int digit) { DrawFace(d, cell, digit, Colour(15)); }

void DrawTintedCell(Display& d, CellRef cell, int digit, platform::Rgb tint) { DrawFace(d, cell, digit, tint); }

void RedrawCells(Display& d, const Verdict& verdict) {
    for (int k = 1; k <= kGridCount; ++k) {
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                DrawCurrentFace(d, {k, x, y});
            }
        }
    }
    ShowDigitCounts(d, verdict);
    DrawCandidates(d);
}

void DrawStepCells(Display& d, const EditStep& step) {
    DrawChangedFaces(d, step);
    if (step.candidatesRecomputed || step.MarksChanged() || TouchesMarks(step.kind))
        DrawChangedCandidates(d, step.changes);
}

void RedrawStepCells(Display& d, const EditStep& step) {
    DrawChangedFaces(d, step);
    ShowDigitCounts(d, step.verdict);
    DrawChangedCandidates(d, step.changes);
}

}  // namespace drz
