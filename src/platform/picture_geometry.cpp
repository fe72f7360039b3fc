// The picture centred in its widget, and pointer positions mapped back to picture pixels.
#include "platform/picture_geometry.h"

#include <algorithm>
#include <cmath>

#include "platform/canvas.h"

namespace drz::platform {

namespace {

// Scales this close to 1 are 1: a window at its own size shows the picture pixel for pixel.
constexpr double kUnitTolerance = 1e-6;

}  // namespace

PictureGeometry PictureGeometry::For(const QSize& logical, double devicePixelRatio) {
    const int deviceWidth = static_cast<int>(std::lround(logical.width() * devicePixelRatio));
    const int deviceHeight = static_cast<int>(std::lround(logical.height() * devicePixelRatio));
    PictureGeometry g;
    g.scale = std::min(double(deviceWidth) / kScreenWidth, double(deviceHeight) / kScreenHeight);
    if (std::abs(g.scale - 1) < kUnitTolerance) g.scale = 1;
    g.size = {DeviceEdge(kScreenWidth, g.scale), DeviceEdge(kScreenHeight, g.scale)};
    g.origin = {(deviceWidth - g.size.width()) / 2, (deviceHeight - g.size.height()) / 2};
    return g;
}

QPoint PictureGeometry::ToPicture(const QPointF& logicalPos, double devicePixelRatio) const {
    // The device pixel under the point, then the picture pixel whose rounded edges hold it.
    const auto back = [this](double logical, double dpr, int start) {
        const int device = static_cast<int>(std::floor(logical * dpr)) - start;
        int pixel = static_cast<int>(std::floor(device / scale));
        while (DeviceEdge(pixel + 1, scale) <= device) ++pixel;
        while (DeviceEdge(pixel, scale) > device) --pixel;
        return pixel;
    };
    return {back(logicalPos.x(), devicePixelRatio, origin.x()), back(logicalPos.y(), devicePixelRatio, origin.y())};
}

}  // namespace drz::platform
