#include "output/pdf_reader.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace drz::test {

std::string RunCommand(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) out.append(buffer, n);
    return out;
}

std::string PdfInfo(const std::string& pdf) { return RunCommand("pdfinfo '" + pdf + "' 2>&1"); }
std::string PdfText(const std::string& pdf) { return RunCommand("pdftotext -raw '" + pdf + "' - 2>&1"); }

Crop RasterCrop(const std::string& pdf, int dpi, int x, int y, int w, int h) {
    std::ostringstream command;
    command << "pdftoppm -r " << dpi << " -aa no -aaVector no -x " << x << " -y " << y << " -W " << w << " -H " << h
            << " -singlefile '" << pdf << "'";
    const std::string ppm = RunCommand(command.str());
    // P6 <w> <h> 255 <rgb bytes>
    std::istringstream in(ppm);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    Crop crop;
    if (magic != "P6" || width != w || height != h) return crop;
    crop.w = w, crop.h = h;
    const std::size_t offset = static_cast<std::size_t>(in.tellg());
    for (std::size_t i = 0; i < static_cast<std::size_t>(w * h); ++i) {
        const auto* p = reinterpret_cast<const unsigned char*>(ppm.data() + offset + 3 * i);
        crop.pixels.push_back({p[0], p[1], p[2]});
    }
    return crop;
}

}  // namespace drz::test
