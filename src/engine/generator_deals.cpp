#include "engine/generator_deals.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "engine/generator_forced.h"
#include "engine/random.h"
#include "engine/shuffle.h"

namespace drz {

namespace {

constexpr int kGridEntries = kGridCount * 81;  // the table entries ShuffleBoard moves: grids 1..13, x and y 1..9

int Entry(int n) { return CellIndex(1 + n % kGridCount, 1 + n / kGridCount % 9, 1 + n / (kGridCount * 9)); }

// What one deal does to any board. ShuffleBoard moves table entries and renames the digits 1..9 without
// looking at the values, and leaves a value above 9 as it is; so one run of it on a probe board whose
// entries carry their own number as values above 9, and nine entries the digits 1..9, shows where every
// entry goes and what becomes of every digit. Running a deal is then a lookup per entry instead of the
// hundreds of exchanges and renamings of a shuffle.
struct DealMap {
    bool valid = false;                              // the probe decoded cleanly; else deals are shuffled outright
    std::array<std::uint16_t, kGridEntries> from{};  // entry n of the dealt board comes from entry from[n]
    DigitPermutation digits{};
};

DealMap ProbeDeal(int deal) {
    auto probe = std::make_unique<Board>();
    std::vector<int> number(kCellTableSize, -1);
    for (int n = 0; n < kGridEntries; ++n) {
        const int i = Entry(n);
        number[i] = n;
        if (n < 9) {  // the digit n + 1, named by a given value above the range of the numbers
            probe->CellValue[i] = static_cast<std::uint8_t>(n + 1);
            probe->GivenValue[i] = static_cast<std::uint8_t>(21 + n);
        } else {
            probe->CellValue[i] = static_cast<std::uint8_t>(10 + n % 200);
            probe->GivenValue[i] = static_cast<std::uint8_t>(10 + n / 200);
        }
    }
    RandomSource random(kDealSeedFirst + static_cast<std::uint64_t>(deal));
    ShuffleBoard(*probe, random, deal < kSymmetricDeals);
    DealMap map;
    std::vector<bool> seen(kGridEntries, false);
    for (int n = 0; n < kGridEntries; ++n) {
        const int cell = probe->CellValue[Entry(n)], given = probe->GivenValue[Entry(n)];
        int source = -1;
        if (given >= 21 && given <= 29 && cell >= 1 && cell <= 9) {
            source = given - 21;
            map.digits[source + 1] = static_cast<std::uint8_t>(cell);
        } else if (given >= 10 && given <= 15 && cell >= 10) {
            source = (given - 10) * 200 + cell - 10;
        }
        if (source < 0 || source >= kGridEntries || seen[source]) return DealMap{};
        seen[source] = true;
        map.from[n] = static_cast<std::uint16_t>(Entry(source));
    }
    map.valid = true;
    return map;
}

const std::vector<DealMap>& DealMaps() {
    static const std::vector<DealMap> maps = [] {
        std::vector<DealMap> made;
        made.reserve(kShuffledDeals);
        for (int deal = 0; deal < kShuffledDeals; ++deal) made.push_back(ProbeDeal(deal));
        return made;
    }();
    return maps;
}

std::uint8_t Renamed(const DigitPermutation& digits, std::uint8_t value) { return value <= 9 ? digits[value] : value; }

}  // namespace

void DealBoard(const Board& board, int deal, Board& out) {
    out = board;
    const DealMap& map = DealMaps()[static_cast<std::size_t>(deal)];
    if (!map.valid) {
        RandomSource random(kDealSeedFirst + static_cast<std::uint64_t>(deal));
        ShuffleBoard(out, random, deal < kSymmetricDeals);
        return;
    }
    out.SetAllMarks(false);
    for (int n = 0; n < kGridEntries; ++n) {
        out.CellValue[Entry(n)] = Renamed(map.digits, board.CellValue[map.from[n]]);
        out.GivenValue[Entry(n)] = Renamed(map.digits, board.GivenValue[map.from[n]]);
    }
}

DealCheck CheckDeals(const Board& board, bool stopAtFirstFailure) {
    DealCheck check;
    auto dealt = std::make_unique<Board>();
    for (int deal = 0; deal < kShuffledDeals; ++deal) {
        DealBoard(board, deal, *dealt);
        const ForcedRun run = RunForcedPasses(*dealt);
        ++check.shuffled;
        if (!run.solved)
            ++check.unsolved;
        else if (run.passes > kDealPassLimit)
            ++check.overLimit;
        if (run.solved) check.worstPasses = std::max(check.worstPasses, run.passes);
        if (stopAtFirstFailure && (check.unsolved != 0 || check.overLimit != 0)) break;
    }
    return check;
}

}  // namespace drz
