#include "board/board_ops.h"

#include <algorithm>

#include "board/geometry.h"

namespace drz {

namespace {

// Visits the shared cells in the order the synchronisation uses: column offset outer, row offset inner,
// then the sixteen boxes in table order.
template <typename Visit>
void ForEachSharedCell(Visit visit) {
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            for (const SharedBox& box : SharedBoxes) {
                visit(CellIndex(box.primaryGrid, box.primaryX0 + i, 7 + j),
                      CellIndex(box.secondaryGrid, box.secondaryX0 + i, 1 + j));
            }
        }
    }
}

template <typename Visit>
void ForEachCell(Visit visit) {
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) visit(CellIndex(k, x, y));
}

}  // namespace

void SyncSharedBoxes(Board& board) {
    ForEachSharedCell([&](int primary, int secondary) {
        board.CellValue[secondary] = board.CellValue[primary];
        board.GivenValue[secondary] = board.GivenValue[primary];
    });
}

void SyncSharedCandidates(Board& board) {
    ForEachSharedCell([&](int primary, int secondary) {
        for (int d = 1; d <= 9; ++d)
            board.CandidateMark[secondary + 1400 * d] = board.CandidateMark[primary + 1400 * d];
    });
}

void ClearSecondaryCopies(Board& board) {
    ForEachSharedCell([&](int, int secondary) {
        board.CellValue[secondary] = 0;
        board.GivenValue[secondary] = 0;
    });
}

void ClearEntries(Board& board) {
    board.SetAllMarks(false);
    ForEachCell([&](int cell) {
        if (board.GivenValue[cell] == 0) board.CellValue[cell] = 0;
    });
}

void ClearBoard(Board& board) {
    board.CellValue.fill(0);
    board.GivenValue.fill(0);
    board.SetAllMarks(false);
}

void CountDigits(Board& board) {
    ClearSecondaryCopies(board);
    board.DigitCount.fill(0);
    // A stray value above 9 (only a damaged file holds one) is no digit and is counted nowhere.
    ForEachCell([&](int cell) {
        const std::uint8_t value = board.CellValue[cell];
        if (value <= 9) ++board.DigitCount[value];
    });
    SyncSharedBoxes(board);
}

int CountGivens(Board& board) {
    ClearSecondaryCopies(board);
    int count = 0;
    ForEachCell([&](int cell) { count += board.GivenValue[cell] != 0 ? 1 : 0; });
    SyncSharedBoxes(board);
    return count;
}

bool AllDigitsComplete(const Board& board) {
    return std::all_of(board.DigitCount.begin() + 1, board.DigitCount.end(),
                       [](std::uint16_t n) { return n == kCellsPerDigit; });
}

}  // namespace drz
