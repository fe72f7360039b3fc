// A hint's outlines and sentence, drawn over saved areas.
#include "display/hint_marks.h"

#include <algorithm>
#include <string>

#include "display/cell_geometry.h"
#include "display/drawing.h"
#include "display/font_codes.h"

namespace drz {

namespace {

// The panels' text font at its standard size, whatever the desktop's: three lines of it fill the field.
constexpr int kLineHeight = 13;
constexpr std::size_t kMaxLines = 3;
constexpr int kTextIndent = 7;  // as the help panel's own text

void Cover(Display& d, int x1, int y1, int x2, int y2, std::vector<CoveredArea>& covered) {
    covered.push_back({x1, y1, d.screen.Save(x1, y1, x2, y2)});
}

void Frame(Display& d, int x1, int y1, int x2, int y2) {
    d.screen.SetMix(platform::MixMode::Copy);
    d.screen.SetLineWidth(2);
    d.screen.SetForeground(kHintColour);
    // A width-2 outline covers its coordinate and the pixel before it on every side.
    d.screen.BoxOutline(x1 + 1, y1 + 1, x2, y2);
    LeaveDefaultState(d);
}

void OutlineUnit(Display& d, int k, HintUnit unit, std::vector<CoveredArea>& covered) {
    const std::array<CellRef, 9> cells = UnitCells(k, unit);
    const int left = CellLeft(k, cells.front().x), top = CellTop(k, cells.front().y);
    const int right = CellLeft(k, cells.back().x) + kCellWidth, bottom = CellTop(k, cells.back().y) + kCellHeight;
    Cover(d, left - 1, top - 1, right + 1, bottom + 1, covered);
    Frame(d, left - 1, top - 1, right + 1, bottom + 1);
}

void OutlineCell(Display& d, CellRef cell, std::vector<CoveredArea>& covered) {
    const FaceBox f = CellFace(cell.k, cell.x, cell.y);
    Cover(d, f.x1, f.y1, f.x2, f.y2, covered);
    Frame(d, f.x1, f.y1, f.x2, f.y2);
    Frame(d, f.x1 + 3, f.y1 + 3, f.x2 - 3, f.y2 - 3);
}

// The words of the sentence in lines no wider than `width`.
std::vector<std::string> BrokenLines(const platform::Canvas& screen, std::string_view sentence, int width) {
    std::vector<std::string> lines(1);
    std::size_t start = 0;
    while (start < sentence.size()) {
        std::size_t end = sentence.find(' ', start);
        if (end == std::string_view::npos) end = sentence.size();
        const std::string word(sentence.substr(start, end - start));
        const std::string longer = lines.back().empty() ? word : lines.back() + " " + word;
        if (!lines.back().empty() && screen.TextWidth(longer) > width)
            lines.push_back(word);
        else
            lines.back() = longer;
        start = end + 1;
    }
    return lines;
}

}  // namespace

void DrawHintOutlines(Display& d, const Hint& hint, std::vector<CoveredArea>& covered) {
    if (hint.cell.k == 0) return;
    if (hint.unit.kind != UnitKind::None) OutlineUnit(d, hint.cell.k, hint.unit, covered);
    OutlineCell(d, hint.cell, covered);
}

void DrawHintSentence(Display& d, std::string_view sentence, std::vector<CoveredArea>& covered) {
    Cover(d, kHintTextArea.x1, kHintTextArea.y1, kHintTextArea.x2, kHintTextArea.y2, covered);
    SetColours(d, 15, 15);
    d.screen.FilledBox(kHintTextArea.x1, kHintTextArea.y1, kHintTextArea.x2, kHintTextArea.y2);
    d.screen.SetFont(FontForCode(kFontText, false));
    const int width = kHintTextArea.x2 - kHintTextArea.x1 - 2 * kTextIndent;
    std::vector<std::string> lines = BrokenLines(d.screen, sentence, width);
    if (lines.size() > kMaxLines) lines.resize(kMaxLines);  // nothing is drawn outside the saved field
    const int height = kHintTextArea.y2 - kHintTextArea.y1 + 1;
    int y = kHintTextArea.y1 + std::max(0, (height - kLineHeight * static_cast<int>(lines.size())) / 2);
    for (const std::string& line : lines) {
        OpaqueText(d, kHintTextArea.x1 + kTextIndent, y, line);
        y += kLineHeight;
    }
}

void EraseHint(Display& d, std::vector<CoveredArea>& covered) {
    for (auto it = covered.rbegin(); it != covered.rend(); ++it) d.screen.Restore(it->under, it->x, it->y);
    covered.clear();
}

}  // namespace drz
