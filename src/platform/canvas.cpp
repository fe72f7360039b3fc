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

}  // namespace

Canvas::Canvas() : impl_(std::make_unique<Impl>()) {
    impl_->image.fill(Qt::white);
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
    MixLine(impl_->image, x1, y1, x2, y2, impl_->lineWidth, impl_->foreground, impl_->mix);
    impl_->Changed();
}

void Canvas::BoxOutline(int x1, int y1, int x2, int y2) {
    MixBoxOutline(impl_->image, x1, y1, x2, y2, impl_->lineWidth, impl_->foreground, impl_->mix);
    impl_->Changed();
}

void Canvas::FilledBox(int x1, int y1, int x2, int y2) {
    MixRect(impl_->image, BoxInterior(x1, y1, x2, y2, impl_->lineWidth), impl_->fill, impl_->mix);
    BoxOutline(x1, y1, x2, y2);
}

void Canvas::Text(int x, int y, std::string_view utf8) {
    const TextStyle style{impl_->foreground, impl_->fill, impl_->opaqueText, impl_->mix};
    DrawText(impl_->image, *impl_->font, x, y, FromUtf8(utf8), style);
    impl_->Changed();
}

int Canvas::TextWidth(std::string_view utf8) const { return platform::TextWidth(*impl_->font, FromUtf8(utf8)); }

Picture Canvas::Save(int x1, int y1, int x2, int y2) const {
    Picture picture;
    picture.data = std::make_unique<Picture::Data>();
    picture.data->image = impl_->image.copy(Inclusive(x1, y1, x2, y2));
    return picture;
}

void Canvas::Restore(const Picture& picture, int x, int y) {
    if (picture.IsEmpty()) return;
    QPainter p(&impl_->image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(x, y, picture.data->image);
    p.end();
    impl_->Changed();
}

Rgb Canvas::PixelAt(int x, int y) const {
    if (!impl_->image.valid(x, y)) return {};
    const QRgb p = impl_->image.pixel(x, y);
    return {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
            static_cast<std::uint8_t>(qBlue(p))};
}

void Canvas::Clear(Rgb colour) {
    impl_->image.fill(QColor(colour.r, colour.g, colour.b));
    impl_->Changed();
}

bool Canvas::WritePng(const std::string& path) const { return impl_->image.save(QString::fromStdString(path), "PNG"); }

}  // namespace drz::platform
