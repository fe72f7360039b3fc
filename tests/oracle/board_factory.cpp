#include "oracle/board_factory.h"

#include <array>
#include <numeric>
#include <utility>

#include "board/geometry.h"

namespace drz::oracle {

int Below(Rng& rng, int n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); }

bool Chance(Rng& rng, double chance) { return Below(rng, 1'000'000) < static_cast<int>(chance * 1'000'000); }

const std::vector<std::pair<int, int>>& BoardLatticeCells() {
    static const std::vector<std::pair<int, int>> cells = [] {
        std::vector<std::pair<int, int>> all;
        for (int Y = 0; Y < kLatticeSize; ++Y)
            for (int X = 0; X < kLatticeSize; ++X)
                if (CopiesOf(X, Y).count > 0) all.emplace_back(X, Y);
        return all;
    }();
    return cells;
}

void SetLatticeCell(Board& board, int X, int Y, std::uint8_t value) {
    const LatticeCopies copies = CopiesOf(X, Y);
    for (int c = 0; c < copies.count; ++c) board.Cell(copies.copy[c].k, copies.copy[c].x, copies.copy[c].y) = value;
}

void SetCellAndPartner(Board& board, int k, int x, int y, std::uint8_t value) {
    board.Cell(k, x, y) = value;
    if (auto partner = PartnerCell(k, x, y)) board.Cell(partner->k, partner->x, partner->y) = value;
}

namespace {

// Shuffles the values in place (Fisher-Yates with Below).
template <typename Array>
void Shuffle(Array& values, Rng& rng) {
    for (int i = static_cast<int>(values.size()) - 1; i > 0; --i) std::swap(values[i], values[Below(rng, i + 1)]);
}

// A permutation of 0..32 that only moves lattice lines inside their band of three.
std::array<int, kLatticeSize> BandPermutation(Rng& rng) {
    std::array<int, kLatticeSize> map{};
    for (int band = 0; band < kLatticeSize / 3; ++band) {
        std::array<int, 3> order = {0, 1, 2};
        Shuffle(order, rng);
        for (int i = 0; i < 3; ++i) map[3 * band + i] = 3 * band + order[i];
    }
    return map;
}

// Every transformation keeps each grid a window of a valid lattice solution: the layout of the grids is
// symmetric under mirroring and transposing, and the bands of three lattice lines are the boxes' bands
// in every grid.
struct LatticeShuffle {
    std::array<int, kLatticeSize> column{};
    std::array<int, kLatticeSize> row{};
    bool transpose = false;
    bool mirrorX = false;
    bool mirrorY = false;

    int ValueAt(int X, int Y) const {
        if (transpose) std::swap(X, Y);
        if (mirrorX) X = kLatticeSize - 1 - X;
        if (mirrorY) Y = kLatticeSize - 1 - Y;
        return LatticeSolution(column[X], row[Y]);
    }
};

}  // namespace

Board EmptyBoard() { return Board{}; }

Board FullBoard() {
    Board board;
    for (const auto& [X, Y] : BoardLatticeCells())
        SetLatticeCell(board, X, Y, static_cast<std::uint8_t>(LatticeSolution(X, Y)));
    return board;
}

Board RandomFullBoard(Rng& rng) {
    LatticeShuffle shuffle;
    shuffle.column = BandPermutation(rng);
    shuffle.row = BandPermutation(rng);
    shuffle.transpose = Below(rng, 2) == 1;
    shuffle.mirrorX = Below(rng, 2) == 1;
    shuffle.mirrorY = Below(rng, 2) == 1;
    Board board;
    for (const auto& [X, Y] : BoardLatticeCells())
        SetLatticeCell(board, X, Y, static_cast<std::uint8_t>(shuffle.ValueAt(X, Y)));
    RelabelDigits(board, rng);
    return board;
}

void RelabelDigits(Board& board, Rng& rng) {
    std::array<std::uint8_t, 10> label{};
    std::iota(label.begin(), label.end(), std::uint8_t{0});
    std::array<std::uint8_t, 9> digits{};
    std::iota(digits.begin(), digits.end(), std::uint8_t{1});
    Shuffle(digits, rng);
    for (int d = 1; d <= 9; ++d) label[d] = digits[d - 1];
    for (std::uint8_t& v : board.CellValue)
        if (v <= 9) v = label[v];
    for (std::uint8_t& v : board.GivenValue)
        if (v <= 9) v = label[v];
}

Board RandomPartialBoard(Rng& rng, double fill) {
    Board board = RandomFullBoard(rng);
    for (const auto& [X, Y] : BoardLatticeCells())
        if (!Chance(rng, fill)) SetLatticeCell(board, X, Y, 0);
    return board;
}

Board HalfFilledBoard(Rng& rng) { return RandomPartialBoard(rng, 0.5); }

bool DigitFits(const Board& board, int k, int x, int y, int d) {
    const int x0 = (x - 1) / 3 * 3 + 1;
    const int y0 = (y - 1) / 3 * 3 + 1;
    for (int i = 1; i <= 9; ++i) {
        if (i != x && board.Cell(k, i, y) == d) return false;
        if (i != y && board.Cell(k, x, i) == d) return false;
        const int bx = x0 + (i - 1) % 3;
        const int by = y0 + (i - 1) / 3;
        if ((bx != x || by != y) && board.Cell(k, bx, by) == d) return false;
    }
    return true;
}

Board RandomConsistentBoard(Rng& rng, int attempts) {
    Board board;
    const auto& cells = BoardLatticeCells();
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const auto [X, Y] = cells[Below(rng, static_cast<int>(cells.size()))];
        const int d = 1 + Below(rng, 9);
        const LatticeCopies copies = CopiesOf(X, Y);
        bool fits = true;
        for (int c = 0; c < copies.count; ++c) {
            const CellRef& cell = copies.copy[c];
            fits = fits && board.Cell(cell.k, cell.x, cell.y) == 0 && DigitFits(board, cell.k, cell.x, cell.y, d);
        }
        if (fits) SetLatticeCell(board, X, Y, static_cast<std::uint8_t>(d));
    }
    return board;
}

void MakeGivens(Board& board) {
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) board.Given(k, x, y) = board.Cell(k, x, y);
}

void PutRepeatedDigit(Board& board, Rng& rng) {
    const int k = 1 + Below(rng, kGridCount);
    const int kind = Below(rng, 3);  // 0 row, 1 column, 2 box
    const int unit = Below(rng, 9);
    const int first = Below(rng, 9);
    const int second = (first + 1 + Below(rng, 8)) % 9;
    const auto place = [&](int member, std::uint8_t d) {
        int x = 0;
        int y = 0;
        if (kind == 0) {
            x = 1 + member;
            y = 1 + unit;
        } else if (kind == 1) {
            x = 1 + unit;
            y = 1 + member;
        } else {
            x = 1 + unit % 3 * 3 + member % 3;
            y = 1 + unit / 3 * 3 + member / 3;
        }
        SetCellAndPartner(board, k, x, y, d);
    };
    const auto d = static_cast<std::uint8_t>(1 + Below(rng, 9));
    place(first, d);
    place(second, d);
}

void MakeCopiesUnequal(Board& board, Rng& rng, int count) {
    for (int n = 0; n < count; ++n) {
        const SharedBox& box = SharedBoxes[Below(rng, static_cast<int>(SharedBoxes.size()))];
        const int i = Below(rng, 3);
        const int j = Below(rng, 3);
        std::uint8_t& cell = Below(rng, 2) == 0 ? board.Cell(box.primaryGrid, box.primaryX0 + i, 7 + j)
                                                : board.Cell(box.secondaryGrid, box.secondaryX0 + i, 1 + j);
        cell = static_cast<std::uint8_t>((cell + 1 + Below(rng, 9)) % 10);
    }
}

Board NoiseBoard(Rng& rng, double fill) {
    Board board;
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (Chance(rng, fill)) board.Cell(k, x, y) = static_cast<std::uint8_t>(1 + Below(rng, 9));
    return board;
}

void ScribbleIndexZero(Board& board, Rng& rng) {
    for (int k = 0; k <= kGridCount; ++k) {
        for (int x = 0; x <= 9; ++x) {
            for (int y = 0; y <= 9; ++y) {
                if (k != 0 && x != 0 && y != 0) continue;
                board.Cell(k, x, y) = static_cast<std::uint8_t>(Below(rng, 256));
                board.Given(k, x, y) = static_cast<std::uint8_t>(Below(rng, 256));
                for (int d = 0; d <= 9; ++d) board.Mark(k, x, y, d) = Below(rng, 2) == 1;
            }
        }
    }
}

void PutStrayValues(Board& board, Rng& rng, int count) {
    for (int n = 0; n < count; ++n) {
        const int k = 1 + Below(rng, kGridCount);
        const int x = 1 + Below(rng, 9);
        const int y = 1 + Below(rng, 9);
        board.Cell(k, x, y) = static_cast<std::uint8_t>(10 + Below(rng, 246));
    }
}

void RandomMarks(Board& board, Rng& rng, double chance) {
    for (bool& mark : board.CandidateMark) mark = Chance(rng, chance);
}

}  // namespace drz::oracle
