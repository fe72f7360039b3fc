// font_resolver.h — turns the game's font requests into installed faces with the pixel metrics the layouts expect.
#pragma once

#include <QFont>
#include <QString>

#include "platform/font.h"

namespace drz::platform {

struct ResolvedFont {
    QFont font;
    int ascent = 0;        // pixels above the baseline; text placed at y has its baseline at y + ascent
    int descent = 0;       // pixels below it; ascent + descent is the character cell height
    int fixedAdvance = 0;  // > 0: a fixed-pitch font, every character advances by exactly this many pixels
    int CellHeight() const { return ascent + descent; }
};

// Resolved once per distinct request and kept for the run (user-interface thread only).
const ResolvedFont& ResolveFont(const FontRequest& request);

// Pixel size for a font asked for in points at 96 dots per inch: 9 pt -> 12 px, 9.75 pt -> 13 px, 24 pt -> 32 px.
int PointsToPixels(double points);

// A QFont for a face name with the game's rendering settings (no anti-aliasing, no kerning, full hinting).
QFont BaseFont(const QString& face);

// Forgets every resolved font (the application object does this before the toolkit goes).
void ClearFontCache();

// Pins the historic face names to installed faces (called once by the application object).
void InstallFontSubstitutions();

}  // namespace drz::platform
