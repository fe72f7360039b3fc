#include "engine/exact_singles.h"

#include <bit>

namespace drz {

// The givens placed all at once: per unit the digits standing, per cell what its units leave, per unit and
// digit the places left.
bool SinglesPropagation::Start(SinglesState& s, const CellDigits& digits) {
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
    return SeedHiddenSingles(s) && Propagate(s);
}

bool SinglesPropagation::Place(SinglesState& s, int id, int d) {
    ClearQueues();
    return Assign(s, id, d) && Propagate(s);
}

bool SinglesPropagation::SeedHiddenSingles(const SinglesState& s) {
    for (int u = 0; u < kUnitCount; ++u)
        for (int d = 1; d <= 9; ++d) {
            if (s.placed[u] & (1u << d)) continue;
            if (s.places[u][d] == 0) return false;
            if (s.places[u][d] == 1)
                hidden_[hiddenLength_++] = HiddenSingle{static_cast<std::int16_t>(u), static_cast<std::int8_t>(d)};
        }
    return true;
}

// Cell `id` no longer admits digit d: its units lose one place for d. False on a contradiction.
bool SinglesPropagation::LosePlace(SinglesState& s, int id, int d) {
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
bool SinglesPropagation::Assign(SinglesState& s, int id, int d) {
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

bool SinglesPropagation::AssignHidden(SinglesState& s, HiddenSingle h) {
    if (s.placed[h.unit] & (1u << h.digit)) return true;
    for (std::int16_t id : cells_.unit[h.unit])
        if (s.cand[id] & (1u << h.digit)) return Assign(s, id, h.digit);
    return false;
}

// Naked singles first, then digits with a single place, until nothing is left to do.
bool SinglesPropagation::Propagate(SinglesState& s) {
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

}  // namespace drz
