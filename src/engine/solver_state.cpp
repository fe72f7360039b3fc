#include "engine/solver_state.h"

#include "board/geometry.h"

namespace drz {

namespace {

// Units of a grid: rows 0..8, columns 9..17, boxes 18..26.
constexpr int RowUnit(int y) { return y - 1; }
constexpr int ColumnUnit(int x) { return 8 + x; }
constexpr int BoxUnit(int x, int y) { return 18 + (y - 1) / 3 * 3 + (x - 1) / 3; }

constexpr std::uint16_t kAllDigits = 0x1FF;

constexpr int XOf(int bit) { return bit % 9 + 1; }
constexpr int YOf(int bit) { return bit / 9 + 1; }

// For one cell copy: the partner copy's grid and bit (grid 0 when there is none), the other cells of its
// row, column and box, and the partner copies of those of them that lie in shared boxes, by grid.
struct CellLinks {
    int partnerGrid = 0;
    int partnerBit = 0;
    GridMask peers;
    int partnerPeerGrids = 0;
    std::array<int, 4> partnerPeerGrid{};
    std::array<GridMask, 4> partnerPeers{};
};

using LinkTable = std::array<std::array<CellLinks, 81>, 14>;

constexpr bool ArePeers(int x1, int y1, int x2, int y2) {
    if (x1 == x2 && y1 == y2) return false;
    return x1 == x2 || y1 == y2 || ((x1 - 1) / 3 == (x2 - 1) / 3 && (y1 - 1) / 3 == (y2 - 1) / 3);
}

constexpr GridMask PeersOf(int bit) {
    GridMask peers;
    for (int other = 0; other < 81; ++other)
        if (ArePeers(XOf(bit), YOf(bit), XOf(other), YOf(other))) peers |= GridMask::Cell(other);
    return peers;
}

constexpr void AddPartnerPeer(CellLinks& links, int grid, int bit) {
    for (int i = 0; i < links.partnerPeerGrids; ++i) {
        if (links.partnerPeerGrid[i] == grid) {
            links.partnerPeers[i] |= GridMask::Cell(bit);
            return;
        }
    }
    links.partnerPeerGrid[links.partnerPeerGrids] = grid;
    links.partnerPeers[links.partnerPeerGrids++] = GridMask::Cell(bit);
}

// One copy of a shared cell: it knows its partner, and every peer of it in its grid counts the partner
// among its partner peers.
constexpr void LinkCopy(LinkTable& table, const std::array<GridMask, 81>& peers, CellRef copy, CellRef partner) {
    const int bit = GridMask::BitOf(copy.x, copy.y);
    const int partnerBit = GridMask::BitOf(partner.x, partner.y);
    table[copy.k][bit].partnerGrid = partner.k;
    table[copy.k][bit].partnerBit = partnerBit;
    for (int peer = 0; peer < 81; ++peer)
        if (peers[bit].Has(peer)) AddPartnerPeer(table[copy.k][peer], partner.k, partnerBit);
}

// Built by the compiler: a cold start of the solver (one board per process, as in the tool) pays nothing.
constexpr LinkTable BuildLinks() {
    std::array<GridMask, 81> peers{};
    for (int bit = 0; bit < 81; ++bit) peers[bit] = PeersOf(bit);
    LinkTable table{};
    for (int k = 1; k <= kGridCount; ++k)
        for (int bit = 0; bit < 81; ++bit) table[k][bit].peers = peers[bit];
    for (const SharedBox& box : SharedBoxes) {
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                const CellRef primary{box.primaryGrid, box.primaryX0 + i, 7 + j};
                const CellRef secondary{box.secondaryGrid, box.secondaryX0 + i, 1 + j};
                LinkCopy(table, peers, primary, secondary);
                LinkCopy(table, peers, secondary, primary);
            }
        }
    }
    return table;
}

constexpr LinkTable kLinks = BuildLinks();

constexpr const LinkTable& Links() { return kLinks; }

}  // namespace

SolverState::SolverState(Board& board) : board_(board) { Rebuild(); }

void SolverState::Count(int k, int x, int y, int value, int delta) {
    if (value < 1 || value > 9) return;
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << (value - 1));
    for (int unit : {RowUnit(y), ColumnUnit(x), BoxUnit(x, y)}) {
        std::uint8_t& n = count_[k][unit][value];
        if (delta > 0) {
            if (++n == 2) ++repeats_;
            present_[k][unit] |= bit;
        } else {
            if (n-- == 2) --repeats_;
            if (n == 0) present_[k][unit] &= static_cast<std::uint16_t>(~bit);
        }
    }
}

std::uint16_t SolverState::Seen(int k, int x, int y) const {
    return present_[k][RowUnit(y)] | present_[k][ColumnUnit(x)] | present_[k][BoxUnit(x, y)];
}

void SolverState::Rebuild() {
    repeats_ = 0;
    for (auto& grid : count_)
        for (auto& unit : grid) unit.fill(0);
    for (auto& grid : present_) grid.fill(0);
    for (int k = 1; k <= kGridCount; ++k)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) Count(k, x, y, board_.Cell(k, x, y), +1);
    FillMasks();
    stale_ = false;
}

void SolverState::FillMasks() {
    const LinkTable& links = Links();
    anyUnequal_ = false;
    for (int k = 1; k <= kGridCount; ++k) {
        ++version_[k];
        unequal_[k] = {};
        for (auto& mask : fit_[k]) mask = {};
        for (int bit = 0; bit < 81; ++bit) {
            const int x = XOf(bit), y = YOf(bit);
            if (board_.Cell(k, x, y) != 0) continue;
            std::uint16_t seen = Seen(k, x, y);
            if (const CellLinks& link = links[k][bit]; link.partnerGrid != 0) {
                const int px = XOf(link.partnerBit), py = YOf(link.partnerBit);
                if (board_.Cell(link.partnerGrid, px, py) != 0) {
                    unequal_[k] |= GridMask::Cell(bit);
                    anyUnequal_ = true;
                    continue;
                }
                seen |= Seen(link.partnerGrid, px, py);
            }
            const std::uint16_t open = static_cast<std::uint16_t>(~seen & kAllDigits);
            for (int d = 1; d <= 9; ++d)
                if ((open >> (d - 1)) & 1) fit_[k][d] |= GridMask::Cell(bit);
        }
    }
}

bool SolverState::Trial(int k, int x, int y, int d) {
    const CellLinks& link = Links()[k][GridMask::BitOf(x, y)];
    std::uint16_t seen = Seen(k, x, y);
    if (link.partnerGrid != 0) {
        const int px = XOf(link.partnerBit), py = YOf(link.partnerBit);
        std::uint8_t& partner = board_.Cell(link.partnerGrid, px, py);
        if (partner != 0) {
            // PlaceDigit(.., d) then PlaceDigit(.., 0) leaves both copies empty.
            Count(link.partnerGrid, px, py, partner, -1);
            partner = 0;
            stale_ = true;
        }
        seen |= Seen(link.partnerGrid, px, py);
    }
    return Valid() && ((seen >> (d - 1)) & 1) == 0;
}

void SolverState::Place(int k, int x, int y, int d) {
    const CellLinks& link = Links()[k][GridMask::BitOf(x, y)];
    const bool partnerEmpty =
        link.partnerGrid == 0 || board_.Cell(link.partnerGrid, XOf(link.partnerBit), YOf(link.partnerBit)) == 0;
    if (!stale_ && board_.Cell(k, x, y) == 0 && partnerEmpty) {
        PlaceIncrementally(k, x, y, d);
        return;
    }
    // Only on boards whose copies disagreed: count afresh before the masks are used again.
    board_.Cell(k, x, y) = static_cast<std::uint8_t>(d);
    if (link.partnerGrid != 0)
        board_.Cell(link.partnerGrid, XOf(link.partnerBit), YOf(link.partnerBit)) = static_cast<std::uint8_t>(d);
    stale_ = true;
    Rebuild();
}

void SolverState::PlaceIncrementally(int k, int x, int y, int d) {
    const LinkTable& links = Links();
    auto placeCopy = [&](int grid, int bit) {
        const int cx = XOf(bit), cy = YOf(bit);
        board_.Cell(grid, cx, cy) = static_cast<std::uint8_t>(d);
        Count(grid, cx, cy, d, +1);
        ++version_[grid];
        const GridMask others = ~GridMask::Cell(bit);
        for (int e = 1; e <= 9; ++e) fit_[grid][e] &= others;
        const CellLinks& link = links[grid][bit];
        fit_[grid][d] &= ~link.peers;
        for (int i = 0; i < link.partnerPeerGrids; ++i) {
            fit_[link.partnerPeerGrid[i]][d] &= ~link.partnerPeers[i];
            ++version_[link.partnerPeerGrid[i]];
        }
    };
    const int bit = GridMask::BitOf(x, y);
    placeCopy(k, bit);
    if (const CellLinks& link = links[k][bit]; link.partnerGrid != 0) placeCopy(link.partnerGrid, link.partnerBit);
}

}  // namespace drz
