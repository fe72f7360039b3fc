// Text drawn through a glyph mask, so every mix mode combines exactly one colour into each inked pixel.
#include "platform/text_render.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

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

}  // namespace

int TextWidth(const ResolvedFont& font, const QString& text) {
    if (font.fixedAdvance > 0) return static_cast<int>(Characters(text).size()) * font.fixedAdvance;
    return QFontMetrics(font.font).horizontalAdvance(text);
}

void DrawText(QImage& image, const ResolvedFont& font, int x, int y, const QString& text, const TextStyle& style) {
    if (text.isEmpty()) return;
    const int width = TextWidth(font, text);
    if (style.opaque)
        MixRect(image, QRect(x, y, width, font.CellHeight()), style.fill, style.mix);
    const int margin = font.CellHeight();
    const QImage mask = GlyphMask(font, text, width, margin);
    for (int my = 0; my < mask.height(); ++my) {
        const int sy = y - margin + my;
        if (sy < 0 || sy >= image.height()) continue;
        const auto* row = reinterpret_cast<const QRgb*>(mask.constScanLine(my));
        auto* dest = reinterpret_cast<QRgb*>(image.scanLine(sy));
        for (int mx = 0; mx < mask.width(); ++mx) {
            const int sx = x - margin + mx;
            if (sx >= 0 && sx < image.width() && qGray(row[mx]) < 128) MixPixel(dest[sx], style.foreground.Packed(), style.mix);
        }
    }
}

}  // namespace drz::platform
