// The printer: a high-resolution QPrinter, the print dialog (or a queued answer), and a painter on its page.
#include "platform/printer.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/font_resolver.h"
#include "platform/window_impl.h"

namespace drz::platform {

namespace {

constexpr const char* kFallbackOutputFile = "brett.pdf";

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QPageSize::PageSizeId PageSizeOf(Paper paper) {
    switch (paper) {
        case Paper::A3: return QPageSize::A3;
        case Paper::A5: return QPageSize::A5;
        case Paper::Letter: return QPageSize::Letter;
        case Paper::A4: break;
    }
    return QPageSize::A4;
}

void PrintToFile(QPrinter& printer, const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
}

}  // namespace

struct Printer::Impl {
    explicit Impl(MainWindow& o) : owner(o), printer(QPrinter::HighResolution) {}

    void Preset() {
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
        // Without any printer the dialog offers a PDF file; Return then prints the board into the game's folder.
        if (QPrinterInfo::availablePrinters().isEmpty())
            PrintToFile(printer, QDir::current().absoluteFilePath(kFallbackOutputFile));
    }

    bool Apply(const PrintDialogAnswer& answer) {
        if (!answer.accept) return false;
        if (!answer.outputFile.empty()) PrintToFile(printer, QString::fromStdString(answer.outputFile));
        printer.setPageSize(QPageSize(PageSizeOf(answer.paper)));
        printer.setPageOrientation(answer.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        return true;
    }

    MainWindow& owner;
    QPrinter printer;
    QPainter painter;
    bool failed = false;
};

void QueuePrintDialogAnswer(MainWindow& window, PrintDialogAnswer answer) {
    window.impl().printAnswers.push_back(std::move(answer));
}

Printer::Printer(MainWindow& owner) : impl_(std::make_unique<Impl>(owner)) {}

Printer::~Printer() {
    if (impl_->painter.isActive()) impl_->painter.end();
}

bool Printer::Choose() {
    impl_->Preset();
    auto& answers = impl_->owner.impl().printAnswers;
    if (!answers.empty()) {
        const PrintDialogAnswer answer = answers.front();
        answers.pop_front();
        return impl_->Apply(answer);
    }
    MainWindow::Impl& window = impl_->owner.impl();
    QPrintDialog dialog(&impl_->printer, window.open ? window.frame.get() : nullptr);
    return dialog.exec() == QDialog::Accepted;
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
    impl_->painter.setPen(QPen(QColor(colour.r, colour.g, colour.b), width, Qt::SolidLine, Qt::SquareCap,
                               Qt::MiterJoin));
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
