// The first window's size and place inside the screen's work area.
#include "platform/window_fit.h"

#include <algorithm>
#include <cmath>

#include "platform/canvas.h"

namespace drz::platform {

namespace {

// The coordinate that keeps a span of `size` inside [start, start + room), as close to `wanted` as possible.
int Inside(int wanted, int size, int start, int room) { return std::max(start, std::min(wanted, start + room - size)); }

}  // namespace

WindowFit FitWindow(const QRect& available, const QMargins& frame, int barHeight, const QPoint& wanted) {
    const int sideFrame = frame.left() + frame.right(), endFrame = frame.top() + frame.bottom();
    const QSize own(kScreenWidth, barHeight + kScreenHeight);
    WindowFit fit;
    if (own.width() + sideFrame <= available.width() && own.height() + endFrame <= available.height()) {
        fit.client = own;
        fit.framePos = {Inside(wanted.x(), own.width() + sideFrame, available.left(), available.width()),
                        Inside(wanted.y(), own.height() + endFrame, available.top(), available.height())};
        return fit;
    }
    const double scale = std::min(double(available.width() - sideFrame) / kScreenWidth,
                                  double(available.height() - endFrame - barHeight) / kScreenHeight);
    const int width = std::max(1, static_cast<int>(std::floor(kScreenWidth * scale)));
    const int height = std::max(1, static_cast<int>(std::floor(kScreenHeight * scale)));
    fit.ownSize = false;
    fit.client = {width, barHeight + height};
    fit.framePos = {available.left() + (available.width() - width - sideFrame) / 2,
                    available.top() + (available.height() - fit.client.height() - endFrame) / 2};
    return fit;
}

}  // namespace drz::platform
