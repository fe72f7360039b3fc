// canvas.h — the game screen: one fixed 1478 x 945 picture, the drawing state in front of it and the primitives.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/colour.h"
#include "platform/font.h"

namespace drz::platform {

constexpr int kScreenWidth = 1478;
constexpr int kScreenHeight = 945;

enum class MixMode { Copy, Xor, Merge };  // Merge = bitwise OR with what is there

// A saved rectangle of the screen, restored pixel for pixel (at the device's resolution too).
class Picture {
public:
    Picture();
    ~Picture();
    Picture(Picture&&) noexcept;
    Picture& operator=(Picture&&) noexcept;
    bool IsEmpty() const;
    int Width() const;
    int Height() const;

    struct Data;
    std::unique_ptr<Data> data;
};

// All coordinates are screen pixels, x to the right, y downwards, (0, 0) the top-left pixel.
// Conventions, fixed here once for the whole game:
//  - Line(x1, y1, x2, y2) paints from the first point up to, but not including, the second one.
//    A line of width 2 covers the pixel column (or row) of its coordinate and the one before it.
//  - Pen widths grow around the coordinate c as c - width/2 .. c - width/2 + width - 1: width 1 covers c,
//    2 covers c-1..c, 5 covers c-2..c+2, 7 covers c-3..c+3. Along its own direction a line keeps its length.
//    Slanted lines (rare) follow Bresenham's steps, each step widened the same way.
//  - BoxOutline and FilledBox include both corners: (x1, y1)-(x2, y2) covers x1..x2 and y1..y2.
//    A width-2 outline covers coordinate - 1 and coordinate on every side (each side a band as above).
//    FilledBox fills what the outline leaves inside with the fill colour; fill and border never overlap.
//  - Text is placed by the top-left corner of its first character cell: the baseline lies at y + ascent.
//    Opaque text first fills its cells (text width x cell height) with the fill colour.
//  - Every primitive, text included, combines its colours under the mix mode; Restore alone copies plainly.
//  - Everything is clipped to the screen.
// Anti-aliasing is off for lines and text, so every pixel has one of the colours drawn and XOR undoes itself.
// The picture the game draws and reads is this 1x image. Where the window shows it at another scale (resized, a
// high-resolution screen), every operation is also drawn at that scale from the same coordinates: lines on the
// device's pixel grid, text from glyphs of the scaled size (smooth where copied; where combined by XOR or OR,
// sharp-edged, so that XOR still undoes itself), saved pictures restored at that resolution too.
class Canvas {
public:
    Canvas();
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Drawing state; it stays until changed.
    void SetForeground(Rgb colour);
    void SetFill(Rgb colour);
    void SetLineWidth(int width);  // 1, 2, 5 or 7
    void SetMix(MixMode mode);
    void SetOpaqueText(bool opaque);  // opaque text first fills its character cells with the fill colour
    void SetFont(const FontRequest& font);

    Rgb Foreground() const;
    Rgb Fill() const;
    int LineWidth() const;
    MixMode Mix() const;
    bool OpaqueText() const;

    void Line(int x1, int y1, int x2, int y2);
    void BoxOutline(int x1, int y1, int x2, int y2);
    void FilledBox(int x1, int y1, int x2, int y2);  // filled with the fill colour, bordered in the foreground colour
    void Text(int x, int y, std::string_view utf8);
    int TextWidth(std::string_view utf8) const;  // in the current font

    Picture Save(int x1, int y1, int x2, int y2) const;  // both corners included
    void Restore(const Picture& picture, int x, int y);  // plain copy, whatever the mix mode

    Rgb PixelAt(int x, int y) const;
    void Clear(Rgb colour);                        // the whole screen, e.g. the window background
    bool WritePng(const std::string& path) const;  // for tests and bug reports

    // The scale the window shows the picture at (device pixels per screen pixel); at exactly 1 only the 1x image
    // is kept. A change draws the whole picture anew at the new scale.
    void SetDeviceScale(double scale);
    double DeviceScale() const;
    bool WriteDevicePng(const std::string& path) const;  // the picture as the window shows it

    struct Impl;
    Impl& impl() { return *impl_; }
    const Impl& impl() const { return *impl_; }

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace drz::platform
