// Text drawn through a glyph mask, so every mix mode combines exactly one colour into each inked pixel.
#include "platform/text_render.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <map>
#include <utility>
#include <vector>

#include "platform/device_text.h"
#include "platform/pixel_ops.h"

namespace drz::platform {

namespace {

// One entry per character as the player sees it (a surrogate pair stays together).
QStringList Characters(const QString& text) {
    QStringList chars;
    for (int i = 0; i < text.size(); ++i) {
        const int n = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        chars << text.mid(i, n);
        i += n - 1;
    }
    return chars;
}

// Black glyphs on white; `margin` leaves room for glyph parts outside the cells.
QImage GlyphMask(const ResolvedFont& font, const QString& text, int width, int margin) {
    QImage mask(width + 2 * margin, font.CellHeight() + 2 * margin, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(font.font);
    p.setPen(Qt::black);
    const int baseline = margin + font.ascent;
    if (font.fixedAdvance > 0) {
        int x = margin;
        for (const QString& c : Characters(text)) {
            p.drawText(x, baseline, c);
            x += font.fixedAdvance;
        }
    } else {
        p.drawText(margin, baseline, text);
    }
    return mask;
}

// The inked pixels of a text, relative to the top-left of its first cell; kept per font and text, since the
// game draws the same digits and captions over and over.
struct Ink {
    int width = 0;
    std::vector<QPoint> pixels;
    QRect bounds;  // of the pixels
};

Ink RenderInk(const ResolvedFont& font, const QString& text) {
    Ink ink;
    ink.width = TextWidth(font, text);
    const int margin = font.CellHeight();
    const QImage mask = GlyphMask(font, text, ink.width, margin);
    for (int y = 0; y < mask.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < mask.width(); ++x)
            if (qGray(row[x]) < 128) {
                ink.pixels.emplace_back(x - margin, y - margin);
                ink.bounds |= QRect(x - margin, y - margin, 1, 1);
            }
    }
    return ink;
}

std::map<std::pair<const ResolvedFont*, QString>, Ink>& InkCache() {
    static std::map<std::pair<const ResolvedFont*, QString>, Ink> cache;
    return cache;
}

const Ink& InkOf(const ResolvedFont& font, const QString& text) {
    constexpr std::size_t kMaxEntries = 4096;
    auto& cache = InkCache();
    const auto key = std::make_pair(&font, text);
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    if (cache.size() >= kMaxEntries) cache.clear();
    return cache.emplace(key, RenderInk(font, text)).first->second;
}

}  // namespace

int TextWidth(const ResolvedFont& font, const QString& text) {
    if (font.fixedAdvance > 0) return static_cast<int>(Characters(text).size()) * font.fixedAdvance;
    return QFontMetrics(font.font).horizontalAdvance(text);
}

void DrawText(QImage& image, const ResolvedFont& font, int x, int y, const QString& text, const TextStyle& style) {
    if (text.isEmpty()) return;
    const Ink& ink = InkOf(font, text);
    if (style.opaque) MixRect(image, QRect(x, y, ink.width, font.CellHeight()), style.fill, style.mix);
    const std::uint32_t colour = style.foreground.Packed();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const QPoint& p : ink.pixels) {
        const int px = x + p.x(), py = y + p.y();
        if (image.valid(px, py)) MixPixel(reinterpret_cast<QRgb*>(bits + py * stride)[px], colour, style.mix);
    }
}

TextExtent ExtentOf(const ResolvedFont& font, const QString& text) {
    if (text.isEmpty()) return {};
    const Ink& ink = InkOf(font, text);
    return {ink.width, ink.bounds};
}

void ClearTextCache() {
    InkCache().clear();
    ClearDeviceTextCache();
}

}  // namespace drz::platform
