// draw_list.h — the screen picture as the drawing operations that made it, in screen pixels, so that it can be
// drawn again at any device scale: kept since the last clear of the whole screen, minus what later opaque
// operations have covered.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/canvas.h"
#include "platform/font_resolver.h"

namespace drz::platform {

struct TextRun {
    const ResolvedFont* font = nullptr;  // resolved fonts live for the run
    QString text;
};

struct DrawOp {
    enum class Kind : std::uint8_t { Fill, Text };
    Kind kind = Kind::Fill;
    MixMode mix = MixMode::Copy;
    Rgb colour;
    QRect area;                          // Fill: the pixels it covers; Text: the bounds of its ink at 1x
    QRect clip;                          // it draws only inside this
    QPoint at;                           // Text: the top-left corner of its first character cell
    std::shared_ptr<const TextRun> run;  // Text only

    QRect Bounds() const { return area & clip; }
    bool Opaque() const { return kind == Kind::Fill && mix == MixMode::Copy; }
};

using DrawOps = std::vector<DrawOp>;

class DrawList {
public:
    void Reset(Rgb background);  // the whole screen was filled with `background`
    void Add(DrawOp op);
    // What makes `region` again as it is now: the background over the region, then every operation that touches
    // it, clipped to it.
    DrawOps Region(const QRect& region) const;
    const DrawOps& Ops() const { return ops_; }
    Rgb Background() const { return background_; }

private:
    void Compact();

    DrawOps ops_;
    Rgb background_{255, 255, 255};
    std::size_t compactAt_ = kFirstCompaction;
    static constexpr std::size_t kFirstCompaction = 8192;
};

// The operations moved by `offset` and clipped to `clip` (a picture restored somewhere).
DrawOps MovedAndClipped(const DrawOps& ops, const QPoint& offset, const QRect& clip);

}  // namespace drz::platform
