// The list of drawing operations behind the screen picture: recorded, compacted, cut out for saved pictures.
#include "platform/draw_list.h"

#include <algorithm>

namespace drz::platform {

namespace {

// Scaled down, a line one pixel thin is kept one device pixel thick, and that pixel may lie beside the line's own
// span: a saved picture takes in what touches its region with a pixel to spare.
QRect Widened(const QRect& r) { return r.adjusted(-1, -1, 1, 1); }

// Whether a span one pixel thin at `first` stays inside [low, high] on every device: scaled down it is kept one
// device pixel thick at its rounded start, which lies inside when it shares the start or is not the last pixel.
bool ThinSpanInside(int first, int low, int high) { return first == low || first < high; }

// Whether `op` can never show again under the opaque rectangle `o`, at any scale from a half up.
bool Hides(const QRect& o, const DrawOp& op) {
    const QRect b = op.Bounds();
    if (!o.contains(b)) return false;
    if (op.kind == DrawOp::Kind::Text) return true;
    return (b.width() > 1 || ThinSpanInside(b.left(), o.left(), o.right())) &&
           (b.height() > 1 || ThinSpanInside(b.top(), o.top(), o.bottom()));
}

// The opaque rectangles met so far, found by the grid cells they cross.
class Coverage {
public:
    Coverage() : cells_(kColumns * kRows) {}

    bool Covers(const DrawOp& op) const {
        for (const QRect& o : cells_[Cell(op.Bounds().topLeft())])
            if (Hides(o, op)) return true;
        return false;
    }

    void Add(const QRect& r) {
        if (r.isEmpty()) return;
        for (const QRect& o : cells_[Cell(r.topLeft())])
            if (o.contains(r)) return;
        const QPoint first = Grid(r.topLeft()), last = Grid(r.bottomRight());
        for (int y = first.y(); y <= last.y(); ++y)
            for (int x = first.x(); x <= last.x(); ++x) cells_[y * kColumns + x].push_back(r);
    }

private:
    static constexpr int kCell = 32;
    static constexpr int kColumns = (kScreenWidth + kCell - 1) / kCell;
    static constexpr int kRows = (kScreenHeight + kCell - 1) / kCell;

    static QPoint Grid(const QPoint& p) {
        return {std::clamp(p.x() / kCell, 0, kColumns - 1), std::clamp(p.y() / kCell, 0, kRows - 1)};
    }
    static int Cell(const QPoint& p) {
        const QPoint g = Grid(p);
        return g.y() * kColumns + g.x();
    }

    std::vector<std::vector<QRect>> cells_;
};

}  // namespace

void DrawList::Reset(Rgb background) {
    ops_.clear();
    background_ = background;
    compactAt_ = kFirstCompaction;
}

void DrawList::Add(DrawOp op) {
    if (op.Bounds().isEmpty()) return;
    ops_.push_back(std::move(op));
    if (ops_.size() >= compactAt_) Compact();
}

// From the newest operation back: one that lies wholly under a later opaque fill can never show again.
void DrawList::Compact() {
    Coverage covered;
    std::vector<bool> keep(ops_.size());
    for (std::size_t i = ops_.size(); i-- > 0;) {
        keep[i] = !covered.Covers(ops_[i]);
        if (keep[i] && ops_[i].Opaque()) covered.Add(ops_[i].Bounds());
    }
    std::size_t n = 0;
    for (std::size_t i = 0; i < ops_.size(); ++i)
        if (keep[i]) ops_[n++] = std::move(ops_[i]);
    ops_.resize(n);
    compactAt_ = std::max(kFirstCompaction, 3 * n);
}

// Only what still shows inside the region is taken: a restored picture's own background hides all before it, so
// saving the same place again and again does not pile up the operations of every earlier restore.
DrawOps DrawList::Region(const QRect& region) const {
    // Newest first, back to the first opaque operation that covers the whole region (a restored picture's own
    // background, mostly): nothing before it can show. Without one, the background of the last clear is the base.
    DrawOps touching;
    bool based = false;
    for (auto op = ops_.rbegin(); op != ops_.rend() && !based; ++op) {
        const QRect bounds = op->Bounds();
        if (!Widened(bounds).intersects(region)) continue;
        touching.push_back(*op);
        touching.back().clip &= region;
        based = op->Opaque() && bounds.contains(region);
    }
    if (!based) {
        DrawOp base;
        base.colour = background_;
        base.area = base.clip = region;
        touching.push_back(base);
    }
    std::reverse(touching.begin(), touching.end());
    Coverage covered;  // by grid cells, so that a region as large as the board stays quick
    std::vector<bool> keep(touching.size());
    for (std::size_t i = touching.size(); i-- > 0;) {
        const DrawOp& op = touching[i];
        keep[i] = !op.Bounds().isEmpty() && !covered.Covers(op);
        if (keep[i] && op.Opaque()) covered.Add(op.Bounds());
    }
    DrawOps out;
    for (std::size_t i = 0; i < touching.size(); ++i)
        if (keep[i]) out.push_back(std::move(touching[i]));
    return out;
}

DrawOps MovedAndClipped(const DrawOps& ops, const QPoint& offset, const QRect& clip) {
    DrawOps out;
    out.reserve(ops.size());
    for (const DrawOp& op : ops) {
        DrawOp moved = op;
        moved.area.translate(offset);
        moved.clip = moved.clip.translated(offset) & clip;
        moved.at += offset;
        if (!moved.Bounds().isEmpty()) out.push_back(std::move(moved));
    }
    return out;
}

}  // namespace drz::platform
