#include "engine/exact_search.h"

#include <bit>
#include <vector>

#include "engine/exact_singles.h"

namespace drz {

namespace {

enum class Probed { Open, Failed, Stopped };

class ExactSearch {
public:
    explicit ExactSearch(const ExactLimits& limits) : cells_(TheDistinctCells()), limits_(limits) {}

    ExactResult Run(const CellDigits& digits) {
        result_ = ExactResult{};
        result_.nodes = 1;
        stack_.resize(2);
        if (singles_.Start(stack_[0], digits)) Search(0);
        result_.finished = !stopped_;
        return result_;
    }

private:
    // One more trial; false once the node limit is passed.
    bool CountNode() {
        if (++result_.nodes <= limits_.maxNodes) return true;
        stopped_ = true;
        return false;
    }

    // The state one level down: this node's state with digit d in cell `id`, propagated.
    bool Try(std::size_t depth, int id, int d) {
        stack_[depth + 1] = stack_[depth];
        return singles_.Place(stack_[depth + 1], id, d);
    }

    // Cells both trials filled with the same digit hold it in every solution of this node.
    bool TakeCommon(std::size_t depth, const CellDigits& first) {
        const CellDigits& second = stack_[depth + 1].value;
        SinglesState& s = stack_[depth];
        for (int q = 0; q < 909; ++q) {
            if (first[q] == 0 || first[q] != second[q] || s.value[q] == first[q]) continue;
            if (s.value[q] != 0 || !singles_.Place(s, q, first[q])) return false;
        }
        return true;
    }

    // Both digits of a two-candidate cell tried: a failing digit is ruled out, common consequences taken.
    Probed ProbeCell(std::size_t depth, int id) {
        const std::uint16_t cand = stack_[depth].cand[id];
        const int d1 = std::countr_zero(cand);
        const int d2 = std::countr_zero(static_cast<std::uint16_t>(cand & (cand - 1)));
        if (!CountNode()) return Probed::Stopped;
        const bool ok1 = Try(depth, id, d1);
        if (ok1) probeFirst_ = stack_[depth + 1].value;
        if (!CountNode()) return Probed::Stopped;
        const bool ok2 = Try(depth, id, d2);
        if (ok1 && ok2) return TakeCommon(depth, probeFirst_) ? Probed::Open : Probed::Failed;
        if (!ok1 && !ok2) return Probed::Failed;
        return singles_.Place(stack_[depth], id, ok1 ? d1 : d2) ? Probed::Open : Probed::Failed;
    }

    // One sweep of trials over the cells with two candidates before this node branches.
    Probed Probe(std::size_t depth) {
        for (int id = 0; id < 909 && stack_[depth].filled < 909; ++id) {
            const SinglesState& s = stack_[depth];
            if (s.value[id] != 0 || CandidateCount(s.cand[id]) != 2) continue;
            const Probed p = ProbeCell(depth, id);
            if (p != Probed::Open) return p;
        }
        return Probed::Open;
    }

    int EmptyPeers(const SinglesState& s, int id) const {
        const DistinctCell& c = cells_.cell[id];
        int empty = 0;
        for (int i = 0; i < c.peerCount; ++i) empty += s.value[c.peers[i]] == 0;
        return empty;
    }

    // Fewest candidates first; among equals the cell with the most empty neighbours.
    int ChooseCell(const SinglesState& s) const {
        int best = -1, bestCount = 10, bestPeers = -1;
        for (int id = 0; id < 909; ++id) {
            if (s.value[id] != 0) continue;
            const int count = CandidateCount(s.cand[id]);
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

    // A complete board: one more solution. False once enough have been found.
    bool Record(const SinglesState& s) {
        if (result_.solutions++ == 0) result_.solution = s.value;
        return result_.solutions < limits_.maxSolutions;
    }

    // Depth-first over the digits of the chosen cell; returns false once the search must stop.
    bool Search(std::size_t depth) {
        if (stack_.size() <= depth + 2) stack_.resize(depth + 3);
        if (stack_[depth].filled < 909 && limits_.probe) {
            const Probed p = Probe(depth);
            if (p != Probed::Open) return p == Probed::Failed;
        }
        if (stack_[depth].filled == 909) return Record(stack_[depth]);
        ++result_.branches;
        const int id = ChooseCell(stack_[depth]);
        int digits[9];
        const int n = DigitOrder(stack_[depth].cand[id], digits);
        for (int i = 0; i < n; ++i) {
            if (!CountNode()) return false;
            if (Try(depth, id, digits[i]) && !Search(depth + 1)) return false;
        }
        return true;
    }

    const DistinctCells& cells_;
    const ExactLimits& limits_;
    SinglesPropagation singles_;
    ExactResult result_;
    std::vector<SinglesState> stack_;
    CellDigits probeFirst_{};
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
        case SolutionCount::None:
            return "0";
        case SolutionCount::One:
            return "1";
        case SolutionCount::Several:
            return "≥2";
        case SolutionCount::Unknown:
            break;
    }
    return "unbekannt";
}

}  // namespace drz
