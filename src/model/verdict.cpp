#include "model/verdict.h"

#include "board/geometry.h"
#include "engine/rules.h"

namespace drz {

namespace {

// True for the copy of a shared cell that lies in the higher-numbered grid.
constexpr std::array<bool, kCellTableSize> MakeSecondaryTable() {
    std::array<bool, kCellTableSize> secondary{};
    for (const SharedBox& box : SharedBoxes)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) secondary[CellIndex(box.secondaryGrid, box.secondaryX0 + i, 1 + j)] = true;
    return secondary;
}
constexpr std::array<bool, kCellTableSize> kSecondaryCopy = MakeSecondaryTable();
constexpr int kSecondaryCopies = 16 * 9;

template <typename Visit>
void ForEachDistinctCell(Visit visit) {
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int cell = CellIndex(k, x, y);
                if (!kSecondaryCopy[cell]) visit(cell);
            }
}

}  // namespace

std::array<std::uint16_t, 10> CountDistinctDigits(const Board& board) {
    std::array<std::uint16_t, 10> counts{};
    counts[0] = kSecondaryCopies;
    // A stray value above 9 (only a damaged file holds one) is no digit and is counted nowhere.
    ForEachDistinctCell([&](int cell) {
        const std::uint8_t value = board.CellValue[cell];
        if (value <= 9) ++counts[value];
    });
    return counts;
}

int CountDistinctGivens(const Board& board) {
    int count = 0;
    ForEachDistinctCell([&](int cell) { count += board.GivenValue[cell] != 0 ? 1 : 0; });
    return count;
}

Verdict VerdictOf(const Board& board) {
    Verdict v;
    v.counts = CountDistinctDigits(board);
    v.valid = BoardValid(board);
    v.complete = true;
    for (int d = 1; d <= 9; ++d) v.complete = v.complete && v.counts[d] == kCellsPerDigit;
    v.solved = v.valid && v.complete;
    return v;
}

std::string_view StatusTextOf(const Verdict& verdict) {
    if (!verdict.valid) return kWrongDigitText;
    return verdict.solved ? kSolvedBoardText : kNoErrorsText;
}

}  // namespace drz
