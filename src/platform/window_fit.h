// window_fit.h — how large the first window opens and where, so that it lies wholly inside the screen's work area.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace drz::platform {

struct WindowFit {
    QPoint framePos;  // top-left corner of the window's frame
    QSize client;     // the window without its frame: menu bar plus picture
    bool ownSize = true;
};

// The window at its own size (the picture 1:1 below a menu bar of `barHeight`) with its frame placed at `wanted`,
// moved only as far as needed to lie inside `available`. Where even the own size does not fit, the picture is
// scaled down with its aspect kept and the window is centred in `available`.
WindowFit FitWindow(const QRect& available, const QMargins& frame, int barHeight, const QPoint& wanted);

}  // namespace drz::platform
