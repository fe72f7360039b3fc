// ink.h — small helpers for the screen tests: colours and the bounding box of the pixels that differ from a ground.
#pragma once

#include "platform/canvas.h"

namespace drz::platform::test {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{218, 0, 0};
constexpr Rgb kBlue{0, 0, 188};
constexpr Rgb kGrey{192, 192, 192};
constexpr Rgb kBackground{180, 201, 208};

struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    int count = 0;
    bool Empty() const { return count == 0; }
};

// Pixels inside (x1, y1)-(x2, y2), both included, whose colour is not `ground`.
inline InkBox FindInk(const Canvas& c, int x1, int y1, int x2, int y2, Rgb ground) {
    InkBox box;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (!(c.PixelAt(x, y) == ground)) {
                box.left = x < box.left ? x : box.left;
                box.right = x > box.right ? x : box.right;
                box.top = y < box.top ? y : box.top;
                box.bottom = y > box.bottom ? y : box.bottom;
                ++box.count;
            }
    return box;
}

// Number of pixels of exactly this colour in the area.
inline int CountColour(const Canvas& c, int x1, int y1, int x2, int y2, Rgb colour) {
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) n += c.PixelAt(x, y) == colour;
    return n;
}

}  // namespace drz::platform::test
