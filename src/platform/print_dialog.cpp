// The print dialog: A4 landscape preset, a PDF file for the player without a printer, or a queued answer.
#include <QDir>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "platform/printer_impl.h"
#include "platform/window_impl.h"

namespace drz::platform {

namespace {

constexpr const char* kPdfFileName = "brett.pdf";

QPageSize::PageSizeId PageSizeOf(Paper paper) {
    switch (paper) {
        case Paper::A3:
            return QPageSize::A3;
        case Paper::A5:
            return QPageSize::A5;
        case Paper::Letter:
            return QPageSize::Letter;
        case Paper::A4:
            break;
    }
    return QPageSize::A4;
}

void PrintToFile(QPrinter& printer, const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
}

void Preset(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    // Without any printer the dialog offers a PDF file; Return then prints the board where the player finds it.
    if (QPrinterInfo::availablePrinters().isEmpty()) PrintToFile(printer, QString::fromStdString(PresetPdfFile()));
}

// Does to the printer what the player would do in the dialog.
bool Apply(QPrinter& printer, const PrintDialogAnswer& answer) {
    if (!answer.accept) return false;
    if (!answer.outputFile.empty()) PrintToFile(printer, QString::fromStdString(answer.outputFile));
    printer.setPageSize(QPageSize(PageSizeOf(answer.paper)));
    printer.setPageOrientation(answer.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return true;
}

}  // namespace

std::string PresetPdfFile() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QDir folder = !documents.isEmpty() && QDir(documents).exists() ? QDir(documents) : QDir::current();
    return folder.absoluteFilePath(QLatin1String(kPdfFileName)).toStdString();
}

void QueuePrintDialogAnswer(MainWindow& window, PrintDialogAnswer answer) {
    WindowParts(window).printAnswers.push_back(std::move(answer));
}

bool Printer::Choose() {
    Preset(impl_->printer);
    MainWindow::Impl& window = WindowParts(impl_->owner);
    if (!window.printAnswers.empty()) {
        const PrintDialogAnswer answer = window.printAnswers.front();
        window.printAnswers.pop_front();
        return Apply(impl_->printer, answer);
    }
    QPrintDialog dialog(&impl_->printer, window.open ? window.frame.get() : nullptr);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace drz::platform
