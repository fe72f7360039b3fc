#include "engine/exact_search.h"

#include <bit>
#include <vector>

namespace drz {

namespace {

constexpr std::uint16_t kAllDigits = 0x3FE;  // bits 1..9

// Everything one node of the search knows about the board.
struct SearchState {
    CellDigits value;
    std::array<std::uint16_t, 909> cand;        // digits still possible in an empty cell; 0 once filled
    std::array<std::uint8_t, 909> emptyPeers;   // neighbours not yet filled
    int filled;
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
    bool Start(SearchState& s, const CellDigits& digits) {
        s.value.fill(0);
        s.cand.fill(kAllDigits);
        s.filled = 0;
        for (int id = 0; id < 909; ++id) s.emptyPeers[id] = cells_.cell[id].peerCount;
        queueLength_ = 0;
        for (int id = 0; id < 909; ++id)
            if (digits[id] != 0 && !Assign(s, id, digits[id])) return false;
        return true;
    }

    // Fills one cell and takes its digit from every neighbour; false on a contradiction.
    bool Assign(SearchState& s, int id, int d) {
        const std::uint16_t bit = static_cast<std::uint16_t>(1u << d);
        if (d < 1 || d > 9 || !(s.cand[id] & bit)) return false;
        s.value[id] = static_cast<std::uint8_t>(d);
        s.cand[id] = 0;
        ++s.filled;
        const DistinctCell& c = cells_.cell[id];
        for (int i = 0; i < c.peerCount; ++i) {
            const int p = c.peers[i];
            --s.emptyPeers[p];
            if (!(s.cand[p] & bit)) continue;
            s.cand[p] &= static_cast<std::uint16_t>(~bit);
            if (s.cand[p] == 0) return false;
            if (std::has_single_bit(s.cand[p])) queue_[queueLength_++] = static_cast<std::int16_t>(p);
        }
        return true;
    }

    bool DrainQueue(SearchState& s) {
        while (queueLength_ > 0) {
            const int id = queue_[--queueLength_];
            if (s.value[id] != 0) continue;
            if (!Assign(s, id, std::countr_zero(s.cand[id]))) return false;
        }
        return true;
    }

    // One sweep over the units for digits with a single place; false on a contradiction.
    bool HiddenSingles(SearchState& s, bool& progress) {
        for (const auto& unit : cells_.unit) {
            std::uint16_t once = 0, twice = 0, placed = 0;
            for (std::int16_t id : unit) {
                const std::uint16_t m = s.cand[id];
                twice |= once & m;
                once |= m;
                placed |= static_cast<std::uint16_t>((1u << s.value[id]) & kAllDigits);
            }
            if ((once | placed) != kAllDigits) return false;
            std::uint16_t single = once & ~twice & ~placed;
            while (single) {
                const int d = std::countr_zero(single);
                single &= static_cast<std::uint16_t>(single - 1);
                for (std::int16_t id : unit)
                    if (s.cand[id] & (1u << d)) {
                        if (!Assign(s, id, d) || !DrainQueue(s)) return false;
                        progress = true;
                        break;
                    }
            }
        }
        return true;
    }

    bool Propagate(SearchState& s) {
        if (!DrainQueue(s)) return false;
        for (bool progress = true; progress && s.filled < 909;) {
            progress = false;
            if (!HiddenSingles(s, progress)) return false;
        }
        return true;
    }

    // Fewest candidates first; among equals the cell with the most empty neighbours.
    int ChooseCell(const SearchState& s) const {
        int best = -1, bestCount = 10, bestPeers = -1;
        for (int id = 0; id < 909; ++id) {
            if (s.value[id] != 0) continue;
            const int count = std::popcount(s.cand[id]);
            if (count < bestCount || (count == bestCount && s.emptyPeers[id] > bestPeers)) {
                best = id;
                bestCount = count;
                bestPeers = s.emptyPeers[id];
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
            queueLength_ = 0;
            if (Assign(child, id, digits[i]) && Propagate(child) && !Search(depth + 1)) return false;
        }
        return true;
    }

    const DistinctCells& cells_;
    const ExactLimits& limits_;
    ExactResult result_;
    std::vector<SearchState> stack_;
    std::array<std::int16_t, 1024> queue_{};  // a cell joins at most once per state
    int queueLength_ = 0;
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
