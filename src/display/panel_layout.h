// panel_layout.h — where the five information panels lie: bevels, white field and title of each.
#pragma once

#include <string_view>

#include "display/display.h"

namespace drz {

struct Rect {
    int x1, y1, x2, y2;
};

struct PanelLayout {
    Rect raised;  // outer raised bevel
    Rect sunken;  // bevel around the inner field
    Rect field;   // white field with a black border
    std::string_view title;
    int titleX, titleY;  // as passed to DrawLabel, which draws 14 pixels higher
};

// The white inside of a panel's field, within its black border.
constexpr Rect FieldInside(const PanelLayout& panel) {
    return {panel.field.x1 + 1, panel.field.y1 + 1, panel.field.x2 - 1, panel.field.y2 - 1};
}

constexpr PanelLayout kStatisticsPanel{
    {1153, 279, 1461, 357}, {1159, 301, 1455, 351}, {1159, 301, 1454, 350}, "STATISTIK:", 1275, 299};
constexpr PanelLayout kStatusPanel{
    {1193, 414, 1427, 484}, {1199, 438, 1419, 478}, {1199, 436, 1420, 477}, "STATUSMELDUNG:", 1250, 433};
constexpr PanelLayout kLevelPanel{
    {1193, 538, 1427, 618}, {1199, 560, 1421, 612}, {1199, 560, 1420, 611}, "SCHWIERIGKEITSGRAD:", 1231, 558};
constexpr PanelLayout kHelpPanel{
    {1193, 672, 1427, 744}, {1199, 694, 1421, 738}, {1199, 694, 1420, 737}, "HILFEFENSTER:", 1257, 692};
constexpr PanelLayout kClockPanel{
    {1193, 801, 1427, 873}, {1199, 823, 1421, 867}, {1199, 823, 1420, 866}, "ZEITMESSUNG:", 1257, 821};

// Raised bevel, sunken bevel, engraved title, then the white field; leaves black on white, opaque, font 8.
void DrawPanelFrame(Display& d, const PanelLayout& panel);

}  // namespace drz
