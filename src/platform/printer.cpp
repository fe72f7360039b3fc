// The print job: a painter on the one page of a high-resolution QPrinter, in device pixels.
#include "platform/printer.h"

#include <QFontMetrics>

#include "platform/font_resolver.h"
#include "platform/printer_impl.h"

namespace drz::platform {

namespace {

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

Printer::Printer(MainWindow& owner) : impl_(std::make_unique<Impl>(owner)) {}

Printer::~Printer() {
    if (impl_->painter.isActive()) impl_->painter.end();
}

bool Printer::Landscape() const { return impl_->printer.pageLayout().orientation() == QPageLayout::Landscape; }

bool Printer::Begin(std::string_view documentName) {
    impl_->printer.setDocName(FromUtf8(documentName));
    impl_->failed = !impl_->painter.begin(&impl_->printer);
    if (impl_->failed) return false;
    impl_->painter.setRenderHint(QPainter::Antialiasing, false);
    impl_->painter.setBrush(Qt::NoBrush);
    impl_->painter.setBackgroundMode(Qt::TransparentMode);
    return true;
}

int Printer::PageWidth() const { return impl_->printer.width(); }
int Printer::PageHeight() const { return impl_->printer.height(); }

void Printer::SetPen(Rgb colour, int width) {
    impl_->painter.setPen(
        QPen(QColor(colour.r, colour.g, colour.b), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

void Printer::SetFont(std::string_view face, int points, bool bold) {
    QFont font = BaseFont(FromUtf8(face));
    font.setPointSize(points);
    font.setBold(bold);
    impl_->painter.setFont(font);
}

void Printer::Outline(int x, int y, int w, int h) {
    if (impl_->painter.isActive()) impl_->painter.drawRect(x, y, w, h);
}

void Printer::Text(int x, int y, std::string_view utf8) {
    if (!impl_->painter.isActive()) return;
    impl_->painter.drawText(x, y + impl_->painter.fontMetrics().ascent(), FromUtf8(utf8));
}

bool Printer::End() {
    if (impl_->painter.isActive() && !impl_->painter.end()) impl_->failed = true;
    if (impl_->printer.printerState() == QPrinter::Error) impl_->failed = true;
    return !impl_->failed;
}

}  // namespace drz::platform
