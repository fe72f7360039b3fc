// pixel_ops.h — exact rasterisation straight into the screen image: spans, boxes and lines under a mix mode.
#pragma once

#include <QImage>
#include <QRect>
#include <vector>

#include "platform/canvas.h"

namespace drz::platform {

// Combines one pixel of an RGB32 image with a colour under the mix mode (the alpha byte stays opaque).
inline void MixPixel(QRgb& pixel, std::uint32_t colour, MixMode mode) {
    switch (mode) {
        case MixMode::Copy:
            pixel = 0xFF000000u | colour;
            break;
        case MixMode::Xor:
            pixel ^= colour;
            break;
        case MixMode::Merge:
            pixel |= colour;
            break;
    }
}

// Every pixel of the rectangle (clipped to the image) combined with the colour.
void MixRect(QImage& image, const QRect& area, Rgb colour, MixMode mode);

// The band of `width` pixels a pen of that width covers around coordinate c: c - width/2 .. c - width/2 + width - 1.
// Width 1 covers c, width 2 covers c-1 and c, width 5 covers c-2..c+2, width 7 covers c-3..c+3.
inline int BandStart(int c, int width) { return c - width / 2; }

// Lines and outlines are disjoint rectangles, so that every pixel is combined once and XOR stays exact; the same
// rectangles are drawn again at the device's resolution.
using RectList = std::vector<QRect>;

// A line from (x1, y1) up to but excluding (x2, y2), `width` pixels thick.
RectList LineRects(int x1, int y1, int x2, int y2, int width);

// The outline of the box with both corners included, each side a band of `width` pixels.
RectList BoxOutlineRects(int x1, int y1, int x2, int y2, int width);

// The part of the box that an outline of `width` leaves free (may be empty).
QRect BoxInterior(int x1, int y1, int x2, int y2, int width);

}  // namespace drz::platform
