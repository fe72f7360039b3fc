#include "oracle/literal_rules.h"

#include <array>
#include <cstdint>
#include <memory>

#include "board/geometry.h"

namespace drz::oracle {

namespace {

// The scratch tally of one unit: entry v counts the cells holding v; entry 0 counts the empty ones.
using UnitTally = std::array<std::uint8_t, 10>;

// The table is read through a plain pointer and the index written out: this code runs millions of
// times per test, also in unoptimised sanitizer builds.
std::uint8_t At(const std::uint8_t* cells, int k, int x, int y) { return cells[k + 14 * x + 140 * y]; }

void TallyCell(std::uint8_t* tally, std::uint8_t value) {
    if (value <= 9) ++tally[value];
}

bool TallyRepeats(const std::uint8_t* tally) {
    for (int d = 1; d <= 9; ++d)
        if (tally[d] > 1) return true;
    return false;
}

bool ColumnValid(const std::uint8_t* cells, int k, int x) {
    UnitTally tally{};
    for (int y = 1; y <= 9; ++y) TallyCell(tally.data(), At(cells, k, x, y));
    return !TallyRepeats(tally.data());
}

bool RowValid(const std::uint8_t* cells, int k, int y) {
    UnitTally tally{};
    for (int x = 1; x <= 9; ++x) TallyCell(tally.data(), At(cells, k, x, y));
    return !TallyRepeats(tally.data());
}

bool BoxValidIn(const std::uint8_t* cells, int k, int x0, int y0) {
    UnitTally tally{};
    for (int x = x0; x <= x0 + 2; ++x)
        for (int y = y0; y <= y0 + 2; ++y) TallyCell(tally.data(), At(cells, k, x, y));
    return !TallyRepeats(tally.data());
}

}  // namespace

bool LiteralBoxValid(const Board& board, int k, int x0, int y0) {
    return BoxValidIn(board.CellValue.data(), k, x0, y0);
}

bool LiteralBoardValid(const Board& board) {
    const std::uint8_t* cells = board.CellValue.data();
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            if (!ColumnValid(cells, k, x)) return false;
    for (int k = 1; k <= kGridCount; ++k)
        for (int y = 1; y <= 9; ++y)
            if (!RowValid(cells, k, y)) return false;
    for (int k = 1; k <= kGridCount; ++k)
        for (int x0 = 1; x0 <= 7; x0 += 3)
            for (int y0 = 1; y0 <= 7; y0 += 3)
                if (!BoxValidIn(cells, k, x0, y0)) return false;
    return true;
}

bool LiteralNoDeadCell(const Board& board) {
    // The trials write into a working copy; the caller's board is left alone.
    auto trial = std::make_unique<Board>(board);
    for (int k = 1; k <= kGridCount; ++k) {
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                std::uint8_t& cell = trial->Cell(k, x, y);
                if (cell != 0) continue;
                bool alive = false;
                for (int d = 1; d <= 9 && !alive; ++d) {
                    cell = static_cast<std::uint8_t>(d);
                    alive = LiteralBoardValid(*trial);
                }
                cell = 0;
                if (!alive) return false;
            }
        }
    }
    return true;
}

void LiteralComputeCandidates(Board& board) {
    board.CandidateMark.fill(false);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            for (int k = 1; k <= kGridCount; ++k) {
                std::uint8_t& cell = board.Cell(k, x, y);
                if (cell != 0) continue;
                for (int d = 1; d <= 9; ++d) {
                    cell = static_cast<std::uint8_t>(d);
                    board.Mark(k, x, y, d) = LiteralBoardValid(board);
                }
                cell = 0;
            }
        }
    }
}

void LiteralMergeSharedCandidates(Board& board) {
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            for (int d = 1; d <= 9; ++d) {
                for (const SharedBox& box : SharedBoxes) {
                    bool& primary = board.Mark(box.primaryGrid, box.primaryX0 + i - 1, 6 + j, d);
                    bool& secondary = board.Mark(box.secondaryGrid, box.secondaryX0 + i - 1, j, d);
                    if (!primary || !secondary) {
                        primary = false;
                        secondary = false;
                    }
                }
            }
        }
    }
}

}  // namespace drz::oracle
