// canvas_impl.h — what stands behind a Canvas: the screen image and the drawing state (platform files only).
#pragma once

#include <QImage>
#include <functional>

#include "platform/canvas.h"
#include "platform/font_resolver.h"

namespace drz::platform {

struct Canvas::Impl {
    QImage image{kScreenWidth, kScreenHeight, QImage::Format_RGB32};
    Rgb foreground{0, 0, 0};
    Rgb fill{255, 255, 255};
    int lineWidth = 1;
    MixMode mix = MixMode::Copy;
    bool opaqueText = true;
    const ResolvedFont* font = nullptr;
    // Told after every change of the picture, so a window showing it can repaint.
    std::function<void()> changed;

    void Changed() const {
        if (changed) changed();
    }
};

struct Picture::Data {
    QImage image;
};

}  // namespace drz::platform
