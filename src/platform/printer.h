// printer.h — the printer: the print dialog, one print job and the page it draws on, in device pixels.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/colour.h"

namespace drz::platform {

class MainWindow;

enum class Paper { A4, A3, A5, Letter };

// What the player does in the print dialog, queued by a test instead of showing it.
struct PrintDialogAnswer {
    bool accept = true;
    std::string outputFile;  // print to this PDF file (empty: the file the dialog proposes)
    bool landscape = true;
    Paper paper = Paper::A4;
};

// The PDF file the print dialog offers when there is no printer: "brett.pdf" in the player's documents folder
// when there is one, else in the game's folder.
std::string PresetPdfFile();

// Queues an answer for the next print dialog of this window; each dialog takes the next one without showing.
void QueuePrintDialogAnswer(MainWindow& window, PrintDialogAnswer answer);

// One print: Choose() shows the dialog, Begin()..End() is the job, drawing goes onto its one page.
// Coordinates are device pixels of the printable area, (0, 0) its top-left corner.
class Printer {
public:
    explicit Printer(MainWindow& owner);
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // Presets A4 landscape (and PresetPdfFile() when there is no printer) and shows the
    // print dialog. False when the player cancels it.
    bool Choose();
    bool Landscape() const;

    // Starts the job under the document name; false when the printer cannot be opened.
    bool Begin(std::string_view documentName);
    int PageWidth() const;  // printable area in device pixels
    int PageHeight() const;

    void SetPen(Rgb colour, int width);  // solid lines, width in device pixels
    void SetFont(std::string_view face, int points, bool bold);
    // The rectangle's outline from (x, y), w x h pixels; the pen runs centred on it.
    void Outline(int x, int y, int w, int h);
    // Text placed by the top-left corner of its character cell, on the page as it is (no background box).
    void Text(int x, int y, std::string_view utf8);

    // Ends the page and the job; false when the printer reported an error at any step.
    bool End();

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace drz::platform
