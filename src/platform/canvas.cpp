// The game screen: drawing state and primitives on the fixed 1478 x 945 image.
#include <QPainter>
#include <algorithm>

#include "platform/canvas_impl.h"
#include "platform/pixel_ops.h"
#include "platform/text_render.h"

namespace drz::platform {

namespace {

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QRect Inclusive(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
}

const QRect kWholeScreen(0, 0, kScreenWidth, kScreenHeight);

}  // namespace

void Canvas::Impl::RecordFill(const QRect& area, Rgb colour, MixMode mode) {
    DrawOp op;
    op.mix = mode;
    op.colour = colour;
    op.area = area;
    op.clip = kWholeScreen;
    Record(std::move(op));
}

void Canvas::Impl::DrawForeground(const RectList& rects) {
    QRect touched;
    for (const QRect& r : rects) {
        MixRect(image, r, foreground, mix);
        RecordFill(r, foreground, mix);
        touched |= r;
    }
    Changed(touched);
}

Canvas::Canvas() : impl_(std::make_unique<Impl>()) {
    impl_->image.fill(Qt::white);
    impl_->list.Reset({255, 255, 255});
    impl_->font = &ResolveFont(FontRequest::Named("System", 9.75));
}

Canvas::~Canvas() = default;

void Canvas::SetForeground(Rgb colour) { impl_->foreground = colour; }
void Canvas::SetFill(Rgb colour) { impl_->fill = colour; }
void Canvas::SetLineWidth(int width) { impl_->lineWidth = std::max(width, 1); }
void Canvas::SetMix(MixMode mode) { impl_->mix = mode; }
void Canvas::SetOpaqueText(bool opaque) { impl_->opaqueText = opaque; }
void Canvas::SetFont(const FontRequest& font) { impl_->font = &ResolveFont(font); }

Rgb Canvas::Foreground() const { return impl_->foreground; }
Rgb Canvas::Fill() const { return impl_->fill; }
int Canvas::LineWidth() const { return impl_->lineWidth; }
MixMode Canvas::Mix() const { return impl_->mix; }
bool Canvas::OpaqueText() const { return impl_->opaqueText; }

void Canvas::Line(int x1, int y1, int x2, int y2) {
    impl_->DrawForeground(LineRects(x1, y1, x2, y2, impl_->lineWidth));
}

void Canvas::BoxOutline(int x1, int y1, int x2, int y2) {
    impl_->DrawForeground(BoxOutlineRects(x1, y1, x2, y2, impl_->lineWidth));
}

void Canvas::FilledBox(int x1, int y1, int x2, int y2) {
    const QRect inside = BoxInterior(x1, y1, x2, y2, impl_->lineWidth);
    if (impl_->mix == MixMode::Copy && impl_->fill == impl_->foreground) {
        // One colour inside and around: one opaque box, which hides everything drawn in it before.
        QRect whole;
        for (const QRect& r : BoxOutlineRects(x1, y1, x2, y2, impl_->lineWidth)) whole |= r;
        MixRect(impl_->image, whole, impl_->fill, impl_->mix);
        impl_->RecordFill(whole, impl_->fill, impl_->mix);
        impl_->Changed(whole);
        return;
    }
    MixRect(impl_->image, inside, impl_->fill, impl_->mix);
    if (!inside.isEmpty()) impl_->RecordFill(inside, impl_->fill, impl_->mix);
    impl_->Changed(inside);
    BoxOutline(x1, y1, x2, y2);
}

void Canvas::Text(int x, int y, std::string_view utf8) {
    const QString text = FromUtf8(utf8);
    const ResolvedFont& font = *impl_->font;
    const TextStyle style{impl_->foreground, impl_->fill, impl_->opaqueText, impl_->mix};
    DrawText(impl_->image, font, x, y, text, style);
    const TextExtent extent = ExtentOf(font, text);
    const QRect cellBox(x, y, extent.width, font.CellHeight());
    if (style.opaque && extent.width > 0)
        impl_->RecordFill(QRect(x, y, extent.width, font.CellHeight()), style.fill, style.mix);
    if (!extent.ink.isEmpty()) {
        DrawOp op;
        op.kind = DrawOp::Kind::Text;
        op.mix = style.mix;
        op.colour = style.foreground;
        // The glyphs of the scaled size stay inside the 1x ink's bounds, so whatever paints over the 1x text
        // (a cell's face, the white box of an erased mark) covers it on the device too.
        op.area = extent.ink.translated(x, y);
        op.clip = kWholeScreen;
        op.at = {x, y};
        op.run = std::make_shared<const TextRun>(TextRun{&font, text});
        impl_->Record(std::move(op));
    }
    impl_->Changed(cellBox | extent.ink.translated(x, y));
}

int Canvas::TextWidth(std::string_view utf8) const { return platform::TextWidth(*impl_->font, FromUtf8(utf8)); }

Picture Canvas::Save(int x1, int y1, int x2, int y2) const {
    Picture picture;
    picture.data = std::make_unique<Picture::Data>();
    const QRect area = Inclusive(x1, y1, x2, y2);
    picture.data->image = impl_->image.copy(area);
    picture.data->origin = area.topLeft();
    picture.data->recording = impl_->list.Region(area & kWholeScreen);
    return picture;
}

void Canvas::Restore(const Picture& picture, int x, int y) {
    if (picture.IsEmpty()) return;
    QPainter p(&impl_->image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(x, y, picture.data->image);
    p.end();
    const QRect target = QRect(QPoint(x, y), picture.data->image.size()) & kWholeScreen;
    for (DrawOp& op : MovedAndClipped(picture.data->recording, QPoint(x, y) - picture.data->origin, target))
        impl_->Record(std::move(op));
    impl_->Changed(target);
}

Rgb Canvas::PixelAt(int x, int y) const {
    if (!impl_->image.valid(x, y)) return {};
    const QRgb p = impl_->image.pixel(x, y);
    return {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
            static_cast<std::uint8_t>(qBlue(p))};
}

void Canvas::Clear(Rgb colour) {
    impl_->image.fill(QColor(colour.r, colour.g, colour.b));
    impl_->list.Reset(colour);
    impl_->device.Clear(colour);
    impl_->Changed(kWholeScreen);
}

// Asked by the window while it paints: telling it of a change here would only ask for the next paint.
void Canvas::SetDeviceScale(double scale) { impl_->device.SetScale(scale, impl_->list); }

double Canvas::DeviceScale() const { return impl_->device.Scale(); }

bool Canvas::WriteDevicePng(const std::string& path) const {
    const QImage& shown = impl_->device.Active() ? impl_->device.Image() : impl_->image;
    return shown.save(QString::fromStdString(path), "PNG");
}

bool Canvas::WritePng(const std::string& path) const { return impl_->image.save(QString::fromStdString(path), "PNG"); }

}  // namespace drz::platform
