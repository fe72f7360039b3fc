#include "engine/shuffle.h"

#include <initializer_list>
#include <utility>

namespace drz {

namespace {

enum class Kind { Rows, Columns, Stacks, Bands };

// One exchange of two lines (or two stacks or bands) of one grid.
struct Exchange {
    Kind kind;
    int k, a, b;
};

Exchange R(int k, int a, int b) { return {Kind::Rows, k, a, b}; }
Exchange C(int k, int a, int b) { return {Kind::Columns, k, a, b}; }
Exchange St(int k, int s, int t) { return {Kind::Stacks, k, s, t}; }
Exchange Bd(int k, int s, int t) { return {Kind::Bands, k, s, t}; }

void SwapCells(Board& board, int k, int x1, int y1, int x2, int y2) {
    std::swap(board.Cell(k, x1, y1), board.Cell(k, x2, y2));
    std::swap(board.Given(k, x1, y1), board.Given(k, x2, y2));
}

void Apply(Board& board, const Exchange& e) {
    switch (e.kind) {
        case Kind::Rows:
            SwapRows(board, e.k, e.a, e.b);
            break;
        case Kind::Columns:
            SwapColumns(board, e.k, e.a, e.b);
            break;
        case Kind::Stacks:
            SwapStacks(board, e.k, e.a, e.b);
            break;
        case Kind::Bands:
            SwapBands(board, e.k, e.a, e.b);
            break;
    }
}

void Apply(Board& board, std::initializer_list<Exchange> group) {
    for (const Exchange& e : group) Apply(board, e);
}

// r is 1 or 2, so every pair below is two neighbouring lines of one band or stack.
int DrawR(RandomSource& random) { return random.Random(2) + 1; }
bool Heads(RandomSource& random) { return random.Random(2) == 0; }

void SymmetricIteration(Board& board, RandomSource& random) {
    int r = DrawR(random);  // step 1
    Apply(board, {R(1, r, r + 1), R(2, r, r + 1), R(3, r, r + 1), R(11, 10 - r, 9 - r), R(12, 10 - r, 9 - r),
                  R(13, 10 - r, 9 - r), C(1, r, r + 1), C(6, r, r + 1), C(11, r, r + 1), C(3, 10 - r, 9 - r),
                  C(8, 10 - r, 9 - r), C(13, 10 - r, 9 - r)});
    r = DrawR(random);  // step 2
    Apply(board,
          {R(1, r + 6, r + 7), R(4, r, r + 1), R(2, r + 6, r + 7), R(5, r, r + 1), R(3, r + 6, r + 7),
           R(11, 4 - r, 3 - r), R(9, 10 - r, 9 - r), R(12, 4 - r, 3 - r), R(10, 10 - r, 9 - r), R(13, 4 - r, 3 - r)});
    r = DrawR(random);  // step 3
    Apply(board,
          {C(1, r + 6, r + 7), C(4, r, r + 1), C(6, r + 6, r + 7), C(9, r, r + 1), C(11, r + 6, r + 7),
           C(3, 4 - r, 3 - r), C(5, 10 - r, 9 - r), C(8, 4 - r, 3 - r), C(10, 10 - r, 9 - r), C(13, 4 - r, 3 - r)});
    r = DrawR(random);  // step 4
    Apply(board, {R(4, r + 3, r + 4), R(5, r + 3, r + 4), R(9, 7 - r, 6 - r), R(10, 7 - r, 6 - r)});
    r = DrawR(random);  // step 5
    Apply(board, {C(4, r + 3, r + 4), C(9, r + 3, r + 4), C(5, 7 - r, 6 - r), C(10, 7 - r, 6 - r)});
    if (Heads(random)) Apply(board, {R(7, 4, 6), C(7, 4, 6)});  // step 6
    r = DrawR(random);                                          // step 7
    Apply(board,
          {R(6, r, r + 1), R(4, r + 6, r + 7), R(7, r, r + 1), R(5, r + 6, r + 7), R(8, r, r + 1), R(6, 10 - r, 9 - r),
           R(9, 4 - r, 3 - r), R(7, 10 - r, 9 - r), R(10, 4 - r, 3 - r), R(8, 10 - r, 9 - r)});
    r = DrawR(random);  // step 8
    Apply(board,
          {C(2, r, r + 1), C(4, r + 6, r + 7), C(7, r, r + 1), C(9, r + 6, r + 7), C(12, r, r + 1), C(2, 10 - r, 9 - r),
           C(5, 4 - r, 3 - r), C(7, 10 - r, 9 - r), C(10, 4 - r, 3 - r), C(12, 10 - r, 9 - r)});
    if (Heads(random)) Apply(board, {St(6, 1, 2), St(8, 3, 2)});                              // step 9
    if (Heads(random)) Apply(board, {Bd(2, 1, 2), Bd(12, 2, 3)});                             // step 10
    if (Heads(random)) Apply(board, {St(1, 1, 2), St(3, 3, 2), St(11, 1, 2), St(13, 3, 2)});  // step 11
    if (Heads(random)) Apply(board, {Bd(1, 1, 2), Bd(11, 2, 3), Bd(3, 1, 2), Bd(13, 2, 3)});  // step 12
    RelabelDigits(board, random);                                                             // step 13
}

// Each listed exchange on its own coin.
void EachOnItsOwn(Board& board, RandomSource& random, std::initializer_list<Exchange> exchanges) {
    for (const Exchange& e : exchanges)
        if (Heads(random)) Apply(board, e);
}

// Each group on one coin, the groups in order.
void GroupsOnCoins(Board& board, RandomSource& random, std::initializer_list<std::initializer_list<Exchange>> groups) {
    for (const auto& group : groups)
        if (Heads(random)) Apply(board, group);
}

void IndependentIteration(Board& board, RandomSource& random) {
    int r = DrawR(random);  // 1
    EachOnItsOwn(board, random,
                 {R(1, r, r + 1), R(2, r, r + 1), R(3, r, r + 1), R(11, 10 - r, 9 - r), R(12, 10 - r, 9 - r),
                  R(13, 10 - r, 9 - r), C(1, r, r + 1), C(6, r, r + 1), C(11, r, r + 1), C(3, 10 - r, 9 - r),
                  C(8, 10 - r, 9 - r), C(13, 10 - r, 9 - r)});
    r = DrawR(random);  // 2
    GroupsOnCoins(
        board, random,
        {{R(1, r + 6, r + 7), R(2, r + 6, r + 7), R(3, r + 6, r + 7), R(4, r, r + 1), R(5, r, r + 1)},
         {R(9, 10 - r, 9 - r), R(10, 10 - r, 9 - r), R(11, 4 - r, 3 - r), R(12, 4 - r, 3 - r), R(13, 4 - r, 3 - r)},
         {C(1, r + 6, r + 7), C(4, r, r + 1), C(6, r + 6, r + 7), C(9, r, r + 1), C(11, r + 6, r + 7)},
         {C(3, 4 - r, 3 - r), C(5, 10 - r, 9 - r), C(8, 4 - r, 3 - r), C(10, 10 - r, 9 - r), C(13, 4 - r, 3 - r)}});
    r = DrawR(random);  // 3
    GroupsOnCoins(board, random,
                  {{R(4, r + 3, r + 4), R(5, r + 3, r + 4), R(9, 7 - r, 6 - r), R(10, 7 - r, 6 - r)},
                   {C(4, r + 3, r + 4), C(9, r + 3, r + 4), C(5, 7 - r, 6 - r), C(10, 7 - r, 6 - r)}});
    EachOnItsOwn(board, random, {R(7, 4, 6), R(7, 4, 5), C(7, 4, 6), C(7, 4, 5)});  // 4
    r = DrawR(random);                                                              // 5
    GroupsOnCoins(
        board, random,
        {{R(6, r, r + 1), R(4, r + 6, r + 7), R(7, r, r + 1), R(5, r + 6, r + 7), R(8, r, r + 1)},
         {R(6, 10 - r, 9 - r), R(9, 4 - r, 3 - r), R(7, 10 - r, 9 - r), R(10, 4 - r, 3 - r), R(8, 10 - r, 9 - r)},
         {C(2, r, r + 1), C(4, r + 6, r + 7), C(7, r, r + 1), C(9, r + 6, r + 7), C(12, r, r + 1)},
         {C(2, 10 - r, 9 - r), C(5, 4 - r, 3 - r), C(7, 10 - r, 9 - r), C(10, 4 - r, 3 - r), C(12, 10 - r, 9 - r)}});
    EachOnItsOwn(board, random,
                 {St(1, 1, 2), St(6, 1, 2), St(11, 1, 2), St(3, 3, 2), St(8, 3, 2), St(13, 3, 2), Bd(1, 1, 2),
                  Bd(2, 1, 2), Bd(3, 1, 2), Bd(11, 2, 3), Bd(12, 2, 3), Bd(13, 2, 3)});  // 6
    RelabelDigits(board, random);                                                        // 7
}

}  // namespace

void SwapRows(Board& board, int k, int a, int b) {
    for (int x = 1; x <= 9; ++x) SwapCells(board, k, x, a, x, b);
}

void SwapColumns(Board& board, int k, int a, int b) {
    for (int y = 1; y <= 9; ++y) SwapCells(board, k, a, y, b, y);
}

void SwapStacks(Board& board, int k, int s, int t) {
    for (int c = 1; c <= 3; ++c) SwapColumns(board, k, 3 * (s - 1) + c, 3 * (t - 1) + c);
}

void SwapBands(Board& board, int k, int s, int t) {
    for (int c = 1; c <= 3; ++c) SwapRows(board, k, 3 * (s - 1) + c, 3 * (t - 1) + c);
}

DigitPermutation DrawDigitPermutation(RandomSource& random) {
    std::array<bool, 10> digitFree;
    digitFree.fill(true);
    DigitPermutation permutation{};
    for (int i = 1; i <= 9; ++i) {
        int v = random.Random(9) + 1;
        while (!digitFree[v]) v = random.Random(9) + 1;
        permutation[i] = static_cast<std::uint8_t>(v);
        digitFree[v] = false;
    }
    return permutation;
}

void RelabelDigits(Board& board, RandomSource& random) {
    const DigitPermutation permutation = DrawDigitPermutation(random);
    // A stray value above 9 (a damaged file) has no new label and is left as it is.
    auto relabel = [&](std::uint8_t& value) {
        if (value <= 9) value = permutation[value];
    };
    for (int k = 1; k <= kGridCount; ++k) {
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                relabel(board.Cell(k, x, y));
                relabel(board.Given(k, x, y));
            }
        }
    }
}

void ShuffleBoard(Board& board, RandomSource& random, bool symmetric) {
    board.SetAllMarks(false);
    const int iterations = random.Random(150) + 101;
    for (int i = 0; i < iterations; ++i) {
        if (symmetric)
            SymmetricIteration(board, random);
        else
            IndependentIteration(board, random);
    }
}

}  // namespace drz
