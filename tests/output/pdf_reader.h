// pdf_reader.h — reading a printed PDF back with the poppler tools: its info, its text, pixels of a crop.
#pragma once

#include <string>
#include <vector>

#include "platform/colour.h"

namespace drz::test {

std::string RunCommand(const std::string& command);  // its standard output
std::string PdfInfo(const std::string& pdf);
std::string PdfText(const std::string& pdf);          // pdftotext -raw: a digit drawn twice is read twice

// The w x h pixels from (x, y) of page 1 rasterised at `dpi` without anti-aliasing, row by row.
struct Crop {
    int w = 0, h = 0;
    std::vector<platform::Rgb> pixels;
    platform::Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * w + x)]; }
};
Crop RasterCrop(const std::string& pdf, int dpi, int x, int y, int w, int h);

}  // namespace drz::test
