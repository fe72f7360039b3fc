// Drawing operations at the device's resolution.
#include "platform/device_picture.h"

#include <algorithm>

#include "platform/device_text.h"
#include "platform/picture_geometry.h"
#include "platform/pixel_ops.h"

namespace drz::platform {

namespace {

// A line of one picture pixel stays visible when the picture is shown smaller than its own size.
QRect AtLeastOnePixel(QRect r) {
    if (r.width() < 1) r.setWidth(1);
    if (r.height() < 1) r.setHeight(1);
    return r;
}

}  // namespace

QRect DeviceRect(const QRect& r, double scale) {
    if (r.isEmpty()) return {};
    const QPoint topLeft(DeviceEdge(r.left(), scale), DeviceEdge(r.top(), scale));
    const QPoint end(DeviceEdge(r.right() + 1, scale), DeviceEdge(r.bottom() + 1, scale));
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

void DevicePicture::SetScale(double scale, const DrawList& list) {
    scale = std::clamp(scale, kMinScale, kMaxScale);
    if (scale == scale_) return;
    scale_ = scale;
    if (!Active()) {
        image_ = QImage();
        return;
    }
    image_ = QImage(DeviceEdge(kScreenWidth, scale), DeviceEdge(kScreenHeight, scale), QImage::Format_RGB32);
    const Rgb bg = list.Background();
    image_.fill(QColor(bg.r, bg.g, bg.b));
    for (const DrawOp& op : list.Ops()) Draw(op);
}

void DevicePicture::Clear(Rgb colour) {
    if (Active()) image_.fill(QColor(colour.r, colour.g, colour.b));
}

void DevicePicture::Draw(const DrawOp& op) {
    if (!Active() || op.area.isEmpty()) return;
    const QRect clip = DeviceRect(op.clip, scale_);
    if (op.kind == DrawOp::Kind::Fill) {
        MixRect(image_, AtLeastOnePixel(DeviceRect(op.area, scale_)) & clip, op.colour, op.mix);
    } else {
        DrawDeviceText(image_, scale_, *op.run->font, op.run->text, op.at, DeviceRect(op.area, scale_) & clip,
                       op.colour, op.mix);
    }
}

}  // namespace drz::platform
