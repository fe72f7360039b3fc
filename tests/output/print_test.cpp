// Printing: the layout in units, and whole prints to PDF read back (pages, text, the lattice in pixels).
#include <gtest/gtest.h>

#include <QPrinter>
#include <QtGlobal>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "board/board_ops.h"
#include "game/app.h"
#include "oracle/lattice.h"
#include "output/print_board.h"
#include "output/print_layout.h"
#include "platform/printer.h"

namespace drz {
namespace {

namespace fs = std::filesystem;
using platform::Paper;
using platform::Rgb;

// The facts the printed page rests on; the placements themselves are checked on printed pages below.
TEST(PrintLayout, UnitsOfThePrintableArea) {
    EXPECT_EQ(UnitsFor(13699, 9583).u, 95);  // A4 landscape at 1200 dpi
    EXPECT_EQ(UnitsFor(13699, 9583).v, 93);
    EXPECT_EQ(UnitsFor(100, 50).u, 0);  // too small: everything collapses onto the corner
    const PrintUnits wide = UnitsFor(4800, 4800);
    EXPECT_EQ(CellCorner(wide, 1, 1, 1).x, 165);
    EXPECT_EQ(CellCorner(wide, 3, 9, 1).x + 4 * wide.u - CellCorner(wide, 1, 1, 1).x, 4356);
    EXPECT_EQ(DigitTextCorner({0, 4}, true, 3).x, 7);  // numerals; letters other than "I" at 5
    EXPECT_EQ(DigitTextCorner({0, 4}, false, 3).x, 5);
}

std::string Output(const std::string& command) {  // its standard output
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    char buffer[4096];
    for (std::size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) out.append(buffer, n);
    return out;
}

// w pixels of row y of the sheet from x, rasterised at 1200 dpi (a pixel per device pixel), no anti-aliasing.
std::vector<Rgb> SheetRow(const std::string& pdf, int x, int y, int w) {
    const std::string ppm = Output("pdftoppm -r 1200 -aa no -aaVector no -singlefile -x " + std::to_string(x) + " -y " +
                                   std::to_string(y) + " -W " + std::to_string(w) + " -H 1 '" + pdf + "'");
    std::vector<Rgb> row;
    const std::size_t bytes = 3 * static_cast<std::size_t>(w);
    if (ppm.rfind("P6", 0) != 0 || ppm.size() < bytes) return row;
    for (std::size_t i = ppm.size() - bytes; i < ppm.size(); i += 3)
        row.push_back({static_cast<std::uint8_t>(ppm[i]), static_cast<std::uint8_t>(ppm[i + 1]),
                       static_cast<std::uint8_t>(ppm[i + 2])});
    return row;
}

struct PageGeometry {
    int offsetX, offsetY;  // printable area on the sheet, device pixels
    int u, v;
};

// What an independent printer of the same paper reports: where the printable area lies on the sheet.
PageGeometry GeometryOf(Paper paper, bool landscape) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const QRect area = printer.pageRect(QPrinter::DevicePixel).toRect();
    return {area.x(), area.y(), area.width() / 144, area.height() / 102};
}

class Printing : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("drz_print_" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // The full solution of the lattice in every copy; every third lattice cell a given.
    void FillBoard() {
        for (int k = 1; k <= 13; ++k)
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) {
                    const int X = oracle::LatticeX(k, x), Y = oracle::LatticeY(k, y);
                    app.board.Cell(k, x, y) = static_cast<std::uint8_t>(oracle::LatticeSolution(X, Y));
                    app.board.Given(k, x, y) = (X + 2 * Y) % 3 == 0 ? app.board.Cell(k, x, y) : 0;
                }
    }

    std::string Print(Paper paper, bool landscape) {
        std::string pdf = (folder / "brett.pdf").string();
        platform::QueuePrintDialogAnswer(app.window, {true, pdf, landscape, paper});
        PrintBoard(app.display);
        return pdf;
    }

    // Width of the run of pixels of one kind that crosses x (give or take the sheet's sub-pixel margin) at row y,
    // in device pixels of the sheet at 1200 dpi; 0 when none does.
    template <typename Kind>
    int RunWidthAcross(const std::string& pdf, int x, int y, Kind kind) {
        constexpr int kReach = 12, kSlack = 2;
        const std::vector<Rgb> row = SheetRow(pdf, x - kReach, y, 2 * kReach + 1);
        const int w = static_cast<int>(row.size());
        if (w == 0) return -1;
        for (int first = 0; first < w;) {
            int last = first;
            while (last < w && kind(row[last])) ++last;
            if (last > first && first <= kReach + kSlack && last - 1 >= kReach - kSlack) return last - first;
            first = last + 1;
        }
        return 0;
    }

    void ExpectLattice(const std::string& pdf, const PageGeometry& g) {
        auto black = [](Rgb c) { return c.r < 80 && c.g < 80 && c.b < 80; };
        auto red = [](Rgb c) { return c.r > 150 && c.g < 80 && c.b < 80; };
        auto X = [&](int units) { return g.offsetX + units * g.u; };
        auto Y = [&](double units) { return g.offsetY + static_cast<int>(units * g.v); };
        // Grid 7 (53, 37): a cell line, a box line, and its grid edge; grid 1's outer box edge.
        EXPECT_EQ(RunWidthAcross(pdf, X(53 + 4), Y(37 + 13.5), black), 1) << "cell line";
        EXPECT_EQ(RunWidthAcross(pdf, X(53 + 24), Y(37 + 13.5), black), 5) << "box line";
        EXPECT_EQ(RunWidthAcross(pdf, X(5), Y(1 + 4.5), black), 5) << "outer box line of grid 1";
        // The sixteen shared boxes: red 7 pixels wide on both vertical edges.
        for (int row : {6, 12, 18, 24})
            for (int column : {6, 12, 18, 24}) {
                const double middle = 1 + 3 * row + 4.5;
                EXPECT_EQ(RunWidthAcross(pdf, X(5 + 4 * column), Y(middle), red), 7) << column << "," << row;
                EXPECT_EQ(RunWidthAcross(pdf, X(5 + 4 * column + 12), Y(middle), red), 7) << column << "," << row;
            }
        // A box edge that no two grids share stays black.
        EXPECT_EQ(RunWidthAcross(pdf, X(5 + 12), Y(1 + 4.5), red), 0);
    }

    App app;
    fs::path folder;
};

TEST_F(Printing, FullBoardOnA4LandscapeAllDigitsTitleAndLattice) {
    FillBoard();
    const std::string pdf = Print(Paper::A4, true);
    EXPECT_EQ(app.window.LastMessageBoxText(), "");
    const std::string info = Output("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("842 x 595 pts (A4)"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           Brett drucken"), std::string::npos) << info;

    // Distinct givens of the lattice, counted here on the lattice itself.
    int givens = 0;
    for (int X = 0; X < oracle::kLatticeSize; ++X)
        for (int Y = 0; Y < oracle::kLatticeSize; ++Y)
            givens += oracle::CopiesOf(X, Y).count > 0 && (X + 2 * Y) % 3 == 0;
    const std::string text = Output("pdftotext -raw '" + pdf + "' -");
    const std::string title = "Schwierigkeitsgrad: Leicht mit " + std::to_string(givens) + " Zahlen";
    ASSERT_NE(text.find(title), std::string::npos) << text.substr(0, 400);
    const std::string digits = text.substr(0, text.find("Schwierigkeitsgrad"));
    EXPECT_EQ(std::count_if(digits.begin(), digits.end(), ::isdigit), 1053);  // the shared cells twice
    EXPECT_EQ(digits.find('0'), std::string::npos);
    ExpectLattice(pdf, GeometryOf(Paper::A4, true));
}

TEST_F(Printing, EmptyBoardOnLetterPortraitInLetters) {
    app.options.ShowNumerals = false;
    app.board.Cell(5, 3, 3) = 9;  // one entry, printed as "I"
    const std::string pdf = Print(Paper::Letter, false);
    const std::string info = Output("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;
    EXPECT_NE(Output("pdftotext -raw '" + pdf + "' -").find("Schwierigkeitsgrad: Leicht mit 0 Zahlen"),
              std::string::npos);
    const PageGeometry g = GeometryOf(Paper::Letter, false);
    ExpectLattice(pdf, g);
    // The "I" sits 14 pixels right of its anchor, which moves half a column unit left on a portrait page.
    const std::string words = Output("pdftotext -bbox '" + pdf + "' -");
    const std::size_t word = words.find("\">I</word>");
    ASSERT_NE(word, std::string::npos) << words;
    const std::size_t xMin = words.rfind("xMin=\"", word);
    const int anchor = g.offsetX + 78 * g.u + 8 * g.u - (g.u + 1) / 2 + 14;  // in printer pixels, 1200 per inch
    const double expected = anchor * 72.0 / 1200.0;
    EXPECT_NEAR(std::stod(words.substr(xMin + 6)), expected, 0.5);
}

TEST_F(Printing, CancelAndUnwritableFileReportThePrinterError) {
    platform::QueuePrintDialogAnswer(app.window, {false, (folder / "nie.pdf").string(), true, Paper::A4});
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    PrintBoard(app.display);
    EXPECT_EQ(app.window.LastMessageBoxText(), "Druckerfehler!");
    EXPECT_FALSE(fs::exists(folder / "nie.pdf"));

    platform::QueuePrintDialogAnswer(app.window, {true, (folder / "fehlt" / "x.pdf").string(), true, Paper::A4});
    app.window.QueueMessageBoxAnswer(platform::MessageButton::First);
    PrintBoard(app.display);
    EXPECT_EQ(app.window.LastMessageBoxText(), "Druckerfehler!");
}

// Without a printer the dialog offers brett.pdf where the player looks: the desktop's documents folder when it
// exists (also a translated one), else the game's folder.
TEST(PrintPreset, BrettPdfInTheDocumentsFolderWhenThereIsOneElseInTheGamesFolder) {
    const fs::path home = fs::temp_directory_path() / ("drz-preset-" + std::to_string(::getpid()));
    const fs::path game = home / "spiel";
    fs::create_directories(game);
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    const fs::path before = fs::current_path();
    qputenv("HOME", QByteArray::fromStdString(home.string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((home / "config").string()));
    fs::current_path(game);

    EXPECT_EQ(platform::PresetPdfFile(), (game / "brett.pdf").string());
    fs::create_directories(home / "Documents");
    EXPECT_EQ(platform::PresetPdfFile(), (home / "Documents" / "brett.pdf").string());
    fs::create_directories(home / "config");
    std::ofstream(home / "config" / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
    EXPECT_EQ(platform::PresetPdfFile(), (game / "brett.pdf").string());  // named, not made yet
    fs::create_directories(home / "Dokumente");
    EXPECT_EQ(platform::PresetPdfFile(), (home / "Dokumente" / "brett.pdf").string());

    fs::current_path(before);
    qputenv("HOME", oldHome);
    oldConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
    fs::remove_all(home);
}

}  // namespace
}  // namespace drz
