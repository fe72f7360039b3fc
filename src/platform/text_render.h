// text_render.h — text into the screen image: glyphs rasterised to a mask, then combined pixel by pixel.
#pragma once

#include <QImage>
#include <QString>

#include "platform/canvas.h"
#include "platform/font_resolver.h"

namespace drz::platform {

struct TextStyle {
    Rgb foreground;
    Rgb fill;
    bool opaque = true;
    MixMode mix = MixMode::Copy;
};

// Width in pixels: a fixed-pitch font counts its advance per character.
int TextWidth(const ResolvedFont& font, const QString& text);

// Places the text by the top-left corner of its first character cell (baseline at y + ascent). Opaque text first
// fills its cells (text width x cell height) with the fill colour. Only pixels that are fully inked are drawn.
void DrawText(QImage& image, const ResolvedFont& font, int x, int y, const QString& text, const TextStyle& style);

// A text's width and the bounds of the pixels it inks, relative to the top-left corner of its first cell.
struct TextExtent {
    int width = 0;
    QRect ink;  // empty for blanks
};
TextExtent ExtentOf(const ResolvedFont& font, const QString& text);

// Forgets the rendered texts (the application object does this together with the fonts).
void ClearTextCache();

}  // namespace drz::platform
