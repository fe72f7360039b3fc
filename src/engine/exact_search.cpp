#include "engine/exact_search.h"

#include <bit>
#include <vector>

namespace drz {

namespace {

constexpr std::uint16_t kAllDigits = 0x3FE;  // bits 1..9

// Number of digits in a candidate set shifted down by one bit (no popcount instruction is assumed).
constexpr auto kDigitCount = [] {
    std::array<std::uint8_t, 512> count{};
    for (int m = 1; m < 512; ++m) count[m] = static_cast<std::uint8_t>(count[m >> 1] + (m & 1));
    return count;
}();

// Everything one node of the search knows about the board.
struct SearchState {
    CellDigits value;
    std::array<std::uint16_t, 909> cand;               // digits still possible in an empty cell; 0 once filled
    std::array<std::array<std::uint8_t, 10>, kUnitCount> places;  // empty cells of a unit that admit d
    std::array<std::uint16_t, kUnitCount> placed;      // digits already standing in a unit
    int filled;
};

struct HiddenSingle {
    std::int16_t unit;
    std::int8_t digit;
};

class ExactSearch {
public:
    explicit ExactSearch(const ExactLimits& limits) : cells_(TheDistinctCells()), limits_(limits) {}

    ExactResult Run(const CellDigits& digits) {
        result_ = ExactResult{};
        result_.nodes = 1;
        stack_.resize(1);
        if (Start(stack_[0], digits) && Propagate(stack_[0])) Search(0);
        result_.finished = !stopped_;
        return result_;
    }

private:
    // The givens placed all at once: per unit the digits standing, per cell what its units leave, per unit
    // and digit the places left. False when the givens already break a rule.
    bool Start(SearchState& s, const CellDigits& digits) {
        ClearQueues();
        s.value = digits;
        s.placed.fill(0);
        s.filled = 0;
        for (int u = 0; u < kUnitCount; ++u)
            for (std::int16_t id : cells_.unit[u]) {
                const int d = digits[id];
                if (d == 0) continue;
                if (d > 9 || (s.placed[u] & (1u << d))) return false;
                s.placed[u] |= static_cast<std::uint16_t>(1u << d);
            }
        for (auto& unit : s.places) unit.fill(0);
        for (int id = 0; id < 909; ++id) {
            s.cand[id] = 0;
            if (digits[id] != 0) {
                ++s.filled;
                continue;
            }
            const DistinctCell& c = cells_.cell[id];
            std::uint16_t seen = 0;
            for (int i = 0; i < c.unitCount; ++i) seen |= s.placed[c.units[i]];
            s.cand[id] = kAllDigits & static_cast<std::uint16_t>(~seen);
            if (s.cand[id] == 0) return false;
            if ((s.cand[id] & (s.cand[id] - 1)) == 0) naked_[nakedLength_++] = static_cast<std::int16_t>(id);
            for (int i = 0; i < c.unitCount; ++i)
                for (std::uint16_t m = s.cand[id]; m; m &= static_cast<std::uint16_t>(m - 1))
                    ++s.places[c.units[i]][std::countr_zero(m)];
        }
        return SeedHiddenSingles(s);
    }

    bool SeedHiddenSingles(const SearchState& s) {
        for (int u = 0; u < kUnitCount; ++u)
            for (int d = 1; d <= 9; ++d) {
                if (s.placed[u] & (1u << d)) continue;
                if (s.places[u][d] == 0) return false;
                if (s.places[u][d] == 1)
                    hidden_[hiddenLength_++] = HiddenSingle{static_cast<std::int16_t>(u), static_cast<std::int8_t>(d)};
            }
        return true;
    }

    void ClearQueues() { nakedLength_ = hiddenLength_ = 0; }

    // Cell `id` no longer admits digit d: its units lose one place for d. False on a contradiction.
    bool LosePlace(SearchState& s, int id, int d) {
        const DistinctCell& c = cells_.cell[id];
        for (int i = 0; i < c.unitCount; ++i) {
            const int u = c.units[i];
            const int left = --s.places[u][d];
            if (left > 1 || (s.placed[u] & (1u << d))) continue;
            if (left == 0) return false;
            hidden_[hiddenLength_++] = HiddenSingle{static_cast<std::int16_t>(u), static_cast<std::int8_t>(d)};
        }
        return true;
    }

    // Fills one cell and takes its digit from every neighbour; false on a contradiction.
    bool Assign(SearchState& s, int id, int d) {
        const std::uint16_t bit = static_cast<std::uint16_t>(1u << d);
        if (d < 1 || d > 9 || !(s.cand[id] & bit)) return false;
        const DistinctCell& c = cells_.cell[id];
        std::uint16_t others = s.cand[id] & static_cast<std::uint16_t>(~bit);
        s.value[id] = static_cast<std::uint8_t>(d);
        s.cand[id] = 0;
        ++s.filled;
        for (int i = 0; i < c.unitCount; ++i) {
            s.placed[c.units[i]] |= bit;
            --s.places[c.units[i]][d];
        }
        for (; others; others &= static_cast<std::uint16_t>(others - 1))
            if (!LosePlace(s, id, std::countr_zero(others))) return false;
        for (int i = 0; i < c.peerCount; ++i) {
            const int p = c.peers[i];
            if (!(s.cand[p] & bit)) continue;
            s.cand[p] &= static_cast<std::uint16_t>(~bit);
            if (s.cand[p] == 0 || !LosePlace(s, p, d)) return false;
            if ((s.cand[p] & (s.cand[p] - 1)) == 0) naked_[nakedLength_++] = static_cast<std::int16_t>(p);
        }
        return true;
    }

    bool AssignHidden(SearchState& s, HiddenSingle h) {
        if (s.placed[h.unit] & (1u << h.digit)) return true;
        for (std::int16_t id : cells_.unit[h.unit])
            if (s.cand[id] & (1u << h.digit)) return Assign(s, id, h.digit);
        return false;
    }

    // Naked singles first, then digits with a single place, until nothing is left to do.
    bool Propagate(SearchState& s) {
        while (nakedLength_ > 0 || hiddenLength_ > 0) {
            if (nakedLength_ > 0) {
                const int id = naked_[--nakedLength_];
                if (s.value[id] == 0 && !Assign(s, id, std::countr_zero(s.cand[id]))) return false;
            } else if (!AssignHidden(s, hidden_[--hiddenLength_])) {
                return false;
            }
        }
        return true;
    }

    int EmptyPeers(const SearchState& s, int id) const {
        const DistinctCell& c = cells_.cell[id];
        int empty = 0;
        for (int i = 0; i < c.peerCount; ++i) empty += s.value[c.peers[i]] == 0;
        return empty;
    }

    // Fewest candidates first; among equals the cell with the most empty neighbours.
    int ChooseCell(const SearchState& s) const {
        int best = -1, bestCount = 10, bestPeers = -1;
        for (int id = 0; id < 909; ++id) {
            if (s.value[id] != 0) continue;
            const int count = kDigitCount[s.cand[id] >> 1];
            if (count > bestCount) continue;
            const int peers = EmptyPeers(s, id);
            if (count < bestCount || peers > bestPeers) {
                best = id;
                bestCount = count;
                bestPeers = peers;
            }
        }
        return best;
    }

    int DigitOrder(std::uint16_t cand, int* digits) const {
        int n = 0;
        for (int d = 1; d <= 9; ++d)
            if (cand & (1u << d)) digits[n++] = d;
        if (limits_.random)
            for (int i = n - 1; i > 0; --i) std::swap(digits[i], digits[limits_.random(i + 1)]);
        return n;
    }

    void Record(const SearchState& s) {
        if (result_.solutions++ == 0) result_.solution = s.value;
    }

    // Depth-first over the digits of the chosen cell; returns false once the search must stop.
    bool Search(std::size_t depth) {
        if (stack_[depth].filled == 909) {
            Record(stack_[depth]);
            return result_.solutions < limits_.maxSolutions;
        }
        if (stack_.size() <= depth + 1) stack_.resize(depth + 2);
        const int id = ChooseCell(stack_[depth]);
        int digits[9];
        const int n = DigitOrder(stack_[depth].cand[id], digits);
        for (int i = 0; i < n; ++i) {
            if (++result_.nodes > limits_.maxNodes) {
                stopped_ = true;
                return false;
            }
            SearchState& child = stack_[depth + 1];
            child = stack_[depth];
            ClearQueues();
            if (Assign(child, id, digits[i]) && Propagate(child) && !Search(depth + 1)) return false;
        }
        return true;
    }

    const DistinctCells& cells_;
    const ExactLimits& limits_;
    ExactResult result_;
    std::vector<SearchState> stack_;
    // A cell becomes single, and a unit's digit drops to one place, at most once per state.
    std::array<std::int16_t, 909> naked_{};
    std::array<HiddenSingle, kUnitCount * 10> hidden_{};
    int nakedLength_ = 0;
    int hiddenLength_ = 0;
    bool stopped_ = false;
};

}  // namespace

SolutionCount ExactResult::Count() const {
    if (!finished && solutions < 2) return SolutionCount::Unknown;
    if (solutions == 0) return SolutionCount::None;
    return solutions == 1 ? SolutionCount::One : SolutionCount::Several;
}

ExactResult CountSolutions(const CellDigits& digits, const ExactLimits& limits) {
    ExactSearch search(limits);
    return search.Run(digits);
}

ExactResult CountSolutions(const Board& board, const ExactLimits& limits) {
    CellDigits digits;
    if (!ReadDistinct(board.CellValue, digits)) {
        ExactResult none;
        none.finished = true;
        return none;
    }
    return CountSolutions(digits, limits);
}

const char* SolutionCountText(SolutionCount count) {
    switch (count) {
        case SolutionCount::None: return "0";
        case SolutionCount::One: return "1";
        case SolutionCount::Several: return "≥2";
        case SolutionCount::Unknown: break;
    }
    return "unbekannt";
}

}  // namespace drz
