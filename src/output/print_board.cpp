// The print: the printer chosen in the dialog, the lattice in three layers, the digits, the title line.
#include "output/print_board.h"

#include <cstdint>

#include "board/board_layers.h"
#include "display/board_view.h"
#include "display/palette.h"
#include "model/verdict.h"
#include "output/print_layout.h"
#include "platform/printer.h"

namespace drz {

namespace {

constexpr const char* kPrinterError = "Druckerfehler!";
constexpr const char* kDocumentName = "Brett drucken";
constexpr const char* kPrintFace = "ARIAL";
constexpr int kDigitPoints = 16;
constexpr int kTitlePoints = 10;

// The page being printed and what PrintCellDigit needs to place a digit on it.
struct PrintPage {
    platform::Printer& printer;
    PrintUnits units;
    bool PrintLandscape;
    const Options& options;
};

void ReportPrinterError(Display& d) {
    d.window.MessageBox(platform::MessageIcon::None, kPrinterError, {"OK"}, platform::MessageButton::First);
}

// Shows the print dialog with landscape preset; false (after the message) when the print is aborted.
bool ChoosePrinter(Display& d, platform::Printer& printer, bool& PrintLandscape) {
    if (!printer.Choose()) {
        ReportPrinterError(d);
        return false;
    }
    PrintLandscape = printer.Landscape();
    return true;
}

void Outline(PrintPage& page, const LatticeBox& box) {
    const PageBox b = PageBoxOf(page.units, box);
    page.printer.Outline(b.corner.x, b.corner.y, b.width, b.height);
}

void PrintCellLines(PrintPage& page) {
    for (int k = 1; k <= kGridCount; ++k) ForEachCellLine(k, [&](const LatticeBox& box) { Outline(page, box); });
}

void PrintBoxLines(PrintPage& page) {
    for (int k = 1; k <= kGridCount; ++k) ForEachBoxLine(k, [&](const LatticeBox& box) { Outline(page, box); });
}

void PrintSharedBoxes(PrintPage& page) {
    ForEachSharedBoxLine([&](const LatticeBox& box) { Outline(page, box); });
}

// Every digit of every grid: the cells of a shared box are printed from both grids, at one place.
void PrintDigits(PrintPage& page, const Board& board) {
    ForEachDigit(board, [&](int k, int x, int y, int d) {
        const PagePoint anchor = DigitAnchor(page.units, page.PrintLandscape, k, x, y);
        const PagePoint corner = DigitTextCorner(anchor, page.options.ShowNumerals, d);
        page.printer.Text(corner.x, corner.y, DigitGlyph(page.options, d));
    });
}

std::string_view CurrentLevelName(const Options& options) {
    const int level = options.CurrentLevel;
    return level >= 0 && level < static_cast<int>(LevelName.size()) ? LevelName[level] : LevelName[0];
}

// The layers go down in their colours, each over the ones before: the page is white, so a bitwise merge
// would leave it white; normal painting gives the picture the merge gives on the screen's white cells.
void PrintLayers(Display& d, PrintPage& page) {
    platform::Printer& printer = page.printer;
    printer.SetPen(Palette[0], 1);
    PrintCellLines(page);
    printer.SetPen(Palette[0], 5);
    PrintBoxLines(page);
    printer.SetPen(Palette[1], 7);
    PrintSharedBoxes(page);
    printer.SetPen(Palette[0], 1);
    printer.SetFont(kPrintFace, kDigitPoints, true);
    PrintDigits(page, d.board);
    const int givens = CountDistinctGivens(d.board);
    printer.SetFont(kPrintFace, kTitlePoints, false);
    const PagePoint title = TitleCorner(page.units);
    printer.Text(title.x, title.y, TitleLine(CurrentLevelName(d.options), givens));
}

}  // namespace

void PrintBoard(Display& d) {
    platform::Printer printer(d.window);
    bool PrintLandscape = true;
    if (!ChoosePrinter(d, printer, PrintLandscape)) return;
    if (!printer.Begin(kDocumentName)) {
        ReportPrinterError(d);
        return;
    }
    printer.SetFont(kPrintFace, kDigitPoints, false);
    PrintPage page{printer, UnitsFor(printer.PageWidth(), printer.PageHeight()), PrintLandscape, d.options};
    PrintLayers(d, page);
    if (!printer.End()) ReportPrinterError(d);
}

}  // namespace drz
