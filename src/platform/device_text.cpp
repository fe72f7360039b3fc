// Glyph coverage at device scale, kept per font, text and scale, combined into the device image.
#include "platform/device_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

#include "platform/picture_geometry.h"
#include "platform/pixel_ops.h"
#include "platform/text_render.h"

namespace drz::platform {

namespace {

// The coverage of a text's glyphs (0..255) over a box placed relative to the text's device origin.
struct Coverage {
    QPoint offset;
    int width = 0, height = 0;
    std::vector<std::uint8_t> alpha;
};

QImage RenderGlyphs(const ResolvedFont& font, const QString& text, double scale, int margin) {
    const int width = static_cast<int>(std::ceil(TextWidth(font, text) * scale)) + 2 * margin;
    const int height = static_cast<int>(std::ceil(font.CellHeight() * scale)) + 2 * margin;
    QImage glyphs(width, height, QImage::Format_ARGB32_Premultiplied);
    glyphs.fill(Qt::transparent);
    QPainter p(&glyphs);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QFont smooth = font.font;
    smooth.setStyleStrategy(QFont::PreferAntialias);
    p.setFont(smooth);
    p.setPen(Qt::black);
    p.translate(margin, margin);
    p.scale(scale, scale);
    // Every character where the 1x layout puts it, so the text keeps its place and width in the picture.
    const QFontMetrics metrics(font.font);
    int x = 0;
    for (int i = 0; i < text.size(); ++i) {
        const int n = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString character = text.mid(i, n);
        p.drawText(QPointF(x, font.ascent), character);
        x = font.fixedAdvance > 0 ? x + font.fixedAdvance : metrics.horizontalAdvance(text.left(i + n));
        i += n - 1;
    }
    p.end();
    return glyphs;
}

Coverage Measure(const ResolvedFont& font, const QString& text, double scale) {
    const int margin = static_cast<int>(std::ceil(font.CellHeight() * scale));
    const QImage glyphs = RenderGlyphs(font, text, scale, margin);
    QRect inked;
    for (int y = 0; y < glyphs.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(glyphs.constScanLine(y));
        for (int x = 0; x < glyphs.width(); ++x)
            if (qAlpha(row[x])) inked |= QRect(x, y, 1, 1);
    }
    Coverage c;
    c.offset = inked.topLeft() - QPoint(margin, margin);
    c.width = inked.width();
    c.height = inked.height();
    c.alpha.reserve(std::size_t(c.width) * std::size_t(c.height));
    for (int y = inked.top(); y <= inked.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(glyphs.constScanLine(y));
        for (int x = inked.left(); x <= inked.right(); ++x) c.alpha.push_back(std::uint8_t(qAlpha(row[x])));
    }
    return c;
}

using Key = std::tuple<const ResolvedFont*, QString, double>;

std::map<Key, Coverage>& Cache() {
    static std::map<Key, Coverage> cache;
    return cache;
}

const Coverage& CoverageOf(const ResolvedFont& font, const QString& text, double scale) {
    constexpr std::size_t kMaxEntries = 4096;
    auto& cache = Cache();
    Key key{&font, text, scale};
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    if (cache.size() >= kMaxEntries) cache.clear();
    return cache.emplace(std::move(key), Measure(font, text, scale)).first->second;
}

std::uint32_t Blend(QRgb under, Rgb colour, int a) {
    const auto mix = [a](int from, int to) { return (from * (255 - a) + to * a + 127) / 255; };
    return 0xFF000000u | std::uint32_t(mix(qRed(under), colour.r)) << 16 |
           std::uint32_t(mix(qGreen(under), colour.g)) << 8 | std::uint32_t(mix(qBlue(under), colour.b));
}

}  // namespace

void DrawDeviceText(QImage& image, double scale, const ResolvedFont& font, const QString& text, const QPoint& at,
                    const QRect& deviceClip, Rgb colour, MixMode mode) {
    const Coverage& c = CoverageOf(font, text, scale);
    const QPoint origin = QPoint(DeviceEdge(at.x(), scale), DeviceEdge(at.y(), scale)) + c.offset;
    const QRect area = QRect(origin, QSize(c.width, c.height)) & deviceClip & image.rect();
    const std::uint32_t packed = colour.Packed();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bits + y * stride);
        const std::uint8_t* alpha = &c.alpha[std::size_t(y - origin.y()) * std::size_t(c.width)] - origin.x();
        for (int x = area.left(); x <= area.right(); ++x) {
            const int a = alpha[x];
            if (mode == MixMode::Copy) {
                if (a) row[x] = a == 255 ? 0xFF000000u | packed : Blend(row[x], colour, a);
            } else if (a >= 128) {
                MixPixel(row[x], packed, mode);
            }
        }
    }
}

void ClearDeviceTextCache() { Cache().clear(); }

}  // namespace drz::platform
