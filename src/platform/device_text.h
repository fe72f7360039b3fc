// device_text.h — text at the device's resolution: glyphs rendered at the scaled size, smooth where copied,
// sharp-edged where combined by XOR or OR so that a second XOR undoes the first exactly.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include "platform/canvas.h"
#include "platform/font_resolver.h"

namespace drz::platform {

// Draws the ink of `text` placed at `at` (screen pixels, the top-left of its first cell) into the device image of
// `scale`, inside `deviceClip` only. Copy blends by the glyph's coverage; XOR and OR take the pixels covered by
// at least half.
void DrawDeviceText(QImage& image, double scale, const ResolvedFont& font, const QString& text, const QPoint& at,
                    const QRect& deviceClip, Rgb colour, MixMode mode);

// Forgets the rendered glyphs (with the other text caches).
void ClearDeviceTextCache();

}  // namespace drz::platform
