// canvas_impl.h — what stands behind a Canvas: the screen image and the drawing state (platform files only).
#pragma once

#include <QImage>
#include <functional>

#include "platform/canvas.h"
#include "platform/device_picture.h"
#include "platform/draw_list.h"
#include "platform/font_resolver.h"
#include "platform/pixel_ops.h"

namespace drz::platform {

// The 1x image is the picture the game and its tests read. Every operation is also recorded and, while the window
// shows the picture at another scale, drawn a second time at the device's resolution.
struct Canvas::Impl {
    QImage image{kScreenWidth, kScreenHeight, QImage::Format_RGB32};
    DrawList list;
    DevicePicture device;
    Rgb foreground{0, 0, 0};
    Rgb fill{255, 255, 255};
    int lineWidth = 1;
    MixMode mix = MixMode::Copy;
    bool opaqueText = true;
    const ResolvedFont* font = nullptr;
    // Told of every change of the picture and where it lies (1x pixels), so a window showing it can repaint
    // just that part.
    std::function<void(const QRect&)> changed;

    void Changed(const QRect& area) const {
        if (changed) changed(area);
    }
    // Records the operation and draws it at the device's resolution (the 1x image has it already).
    void Record(DrawOp op) {
        device.Draw(op);
        list.Add(std::move(op));
    }
    void RecordFill(const QRect& area, Rgb colour, MixMode mode);
    // The rectangles in the foreground colour under the mix mode, drawn, recorded and told as one change.
    void DrawForeground(const RectList& rects);
};

struct Picture::Data {
    QImage image;
    QPoint origin;      // where it was saved
    DrawOps recording;  // what makes it again at any scale
};

}  // namespace drz::platform
