// Exact rasterisation of spans, boxes and lines into the RGB32 screen image.
#include "platform/pixel_ops.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace drz::platform {

void MixRect(QImage& image, const QRect& area, Rgb colour, MixMode mode) {
    const QRect r = area.intersected(image.rect());
    if (r.isEmpty()) return;
    const std::uint32_t c = colour.Packed();
    uchar* const bits = image.bits();  // detached once, not once per row
    const qsizetype stride = image.bytesPerLine();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* const row = reinterpret_cast<QRgb*>(bits + y * stride) + r.left();
        const int n = r.width();
        switch (mode) {
            case MixMode::Copy:
                std::fill_n(row, n, 0xFF000000u | c);
                break;
            case MixMode::Xor:
                for (int i = 0; i < n; ++i) row[i] ^= c;
                break;
            case MixMode::Merge:
                for (int i = 0; i < n; ++i) row[i] |= c;
                break;
        }
    }
}

namespace {

// A rectangle from inclusive bounds, normalised.
QRect Span(int xa, int ya, int xb, int yb) {
    return QRect(QPoint(std::min(xa, xb), std::min(ya, yb)), QPoint(std::max(xa, xb), std::max(ya, yb)));
}

QRect AxisLine(int x1, int y1, int x2, int y2, int width) {
    const int band = BandStart(y1 == y2 ? y1 : x1, width);
    if (y1 == y2) {
        const int last = x2 > x1 ? x2 - 1 : x2 + 1;
        return Span(x1, band, last, band + width - 1);
    }
    const int last = y2 > y1 ? y2 - 1 : y2 + 1;
    return Span(band, y1, band + width - 1, last);
}

// Bresenham's walk from the first point towards the second, which is left out.
std::vector<QPoint> LinePoints(int x1, int y1, int x2, int y2) {
    std::vector<QPoint> points;
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int err = dx + dy, x = x1, y = y1;
    while (x != x2 || y != y2) {
        points.emplace_back(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    return points;
}

// Slanted lines: every point grows to a width x width square; each pixel is taken once.
RectList SlantedLine(int x1, int y1, int x2, int y2, int width) {
    std::vector<std::pair<int, int>> pixels;
    for (const QPoint& p : LinePoints(x1, y1, x2, y2))
        for (int j = 0; j < width; ++j)
            for (int i = 0; i < width; ++i)
                pixels.emplace_back(BandStart(p.y(), width) + j, BandStart(p.x(), width) + i);
    std::sort(pixels.begin(), pixels.end());
    pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
    RectList rects;
    rects.reserve(pixels.size());
    for (const auto& [y, x] : pixels) rects.emplace_back(x, y, 1, 1);
    return rects;
}

}  // namespace

RectList LineRects(int x1, int y1, int x2, int y2, int width) {
    if (x1 == x2 && y1 == y2) return {};
    width = std::max(width, 1);
    if (x1 == x2 || y1 == y2) return {AxisLine(x1, y1, x2, y2, width)};
    return SlantedLine(x1, y1, x2, y2, width);
}

QRect BoxInterior(int x1, int y1, int x2, int y2, int width) {
    width = std::max(width, 1);
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    return QRect(QPoint(BandStart(left, width) + width, BandStart(top, width) + width),
                 QPoint(BandStart(right, width) - 1, BandStart(bottom, width) - 1));
}

RectList BoxOutlineRects(int x1, int y1, int x2, int y2, int width) {
    width = std::max(width, 1);
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    const QRect outer(QPoint(BandStart(left, width), BandStart(top, width)),
                      QPoint(BandStart(right, width) + width - 1, BandStart(bottom, width) + width - 1));
    const QRect inner = BoxInterior(x1, y1, x2, y2, width);
    if (inner.isEmpty()) return {outer};
    // Top and bottom bands over the full width, the side bands between them: disjoint, so XOR stays exact.
    return {QRect(QPoint(outer.left(), outer.top()), QPoint(outer.right(), inner.top() - 1)),
            QRect(QPoint(outer.left(), inner.bottom() + 1), QPoint(outer.right(), outer.bottom())),
            QRect(QPoint(outer.left(), inner.top()), QPoint(inner.left() - 1, inner.bottom())),
            QRect(QPoint(inner.right() + 1, inner.top()), QPoint(outer.right(), inner.bottom()))};
}

}  // namespace drz::platform
