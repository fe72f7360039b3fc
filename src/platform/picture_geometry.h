// picture_geometry.h — where the screen picture sits in its widget: centred, aspect kept, in device pixels.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>

namespace drz::platform {

struct PictureGeometry {
    double scale = 1;  // device pixels per picture pixel; exactly 1 for a window at its own size at 100 %
    QPoint origin;     // the picture's top-left corner in the widget's device pixels
    QSize size;        // the picture in device pixels

    // For a widget of `logical` size on a screen of `devicePixelRatio`.
    static PictureGeometry For(const QSize& logical, double devicePixelRatio);
    // The picture pixel under a point of the widget (logical coordinates, as events carry them).
    QPoint ToPicture(const QPointF& logicalPos, double devicePixelRatio) const;
};

// One edge of the picture's pixel grid in device pixels: picture pixel x covers DeviceEdge(x) .. DeviceEdge(x+1)-1.
// Rounded half up; inline, since every drawing operation at the device's resolution asks for four of them.
inline int DeviceEdge(int coordinate, double scale) {
    const double v = coordinate * scale + 0.5;
    const int truncated = static_cast<int>(v);
    return truncated - (v < truncated);
}

}  // namespace drz::platform
