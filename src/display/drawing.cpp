#include "display/drawing.h"

namespace drz {

void SetColours(Display& d, int foreground, int fill) {
    d.screen.SetForeground(Colour(foreground));
    d.screen.SetFill(Colour(fill));
}

void LeaveDefaultState(Display& d) {
    SetColours(d, 0, 15);
    d.screen.SetOpaqueText(true);
    d.screen.SetMix(platform::MixMode::Copy);
    d.screen.SetLineWidth(1);
}

void TransparentText(Display& d, int x, int y, std::string_view text) {
    d.screen.SetOpaqueText(false);
    d.screen.Text(x, y, text);
    d.screen.SetOpaqueText(true);
}

void OpaqueText(Display& d, int x, int y, std::string_view text) {
    LeaveDefaultState(d);
    d.screen.Text(x, y, text);
}

void ReplaceLine(Display& d, int x, int y, int right, int height, std::string_view text) {
    SetColours(d, 15, 15);
    d.screen.SetMix(platform::MixMode::Copy);
    d.screen.SetLineWidth(1);
    d.screen.FilledBox(x, y, right, y + height - 1);
    OpaqueText(d, x, y, text);
}

std::string RightAligned(int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) >= width) return digits;
    return std::string(static_cast<std::size_t>(width) - digits.size(), ' ') + digits;
}

}  // namespace drz
