// device_picture.h — the screen picture at the device's resolution: every drawing operation drawn a second time
// at the scale the window shows the picture, and drawn anew from the drawing list when that scale changes.
#pragma once

#include <QImage>
#include <QRect>

#include "platform/draw_list.h"

namespace drz::platform {

class DevicePicture {
public:
    // Beyond these the widget shows the picture of the nearest of them, scaled smoothly.
    static constexpr double kMinScale = 0.5;
    static constexpr double kMaxScale = 4;

    bool Active() const { return scale_ != 1; }  // at exactly 1 the screen image itself is shown
    double Scale() const { return scale_; }
    const QImage& Image() const { return image_; }
    // Draws the whole list at the new scale (nothing is kept at 1).
    void SetScale(double scale, const DrawList& list);
    void Draw(const DrawOp& op);
    void Clear(Rgb colour);  // the whole picture

private:
    double scale_ = 1;
    QImage image_;
};

// The device pixels that picture pixels `r` cover at `scale`: edges rounded, so neighbours share no pixel.
QRect DeviceRect(const QRect& r, double scale);

}  // namespace drz::platform
