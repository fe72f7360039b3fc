// font.h — how the game asks for a font: a logical font by its fields, a window font by name and size, or the stock
// font.
#pragma once

#include <string>

namespace drz::platform {

// How requests become installed faces: "ARIAL"/"Arial"/"System" -> Liberation Sans ("System" always bold),
// "Terminal"/"Fixedsys" -> Liberation Mono, always in pixel sizes.
//  - Logical: the pixel size is chosen so that ascent + descent comes closest to heightPx (the smaller size on a
//    tie); a negative heightPx is the em size itself. widthPx stretches the face so that a digit is about widthPx
//    wide, unless the face is within 10 % of it already. Weights 100..900 as asked (the faces have regular and
//    bold only: up to 500 draws regular, 600 and more bold). Fixed pitch ("Terminal", "Fixedsys" or
//    fixedPitch) draws character by character, each advancing exactly widthPx.
//  - ByNameAndSize: points * 96 / 72 pixels of em size; "Fixedsys" has one size only: 8 x 15 cells.
//  - StockVariable: Liberation Sans, 13 pixels.
struct FontRequest {
    enum class Kind {
        Logical,        // face, heightPx, widthPx, weight, fixedPitch
        ByNameAndSize,  // face, points
        StockVariable,  // the platform's stock variable-pitch font
    };
    Kind kind = Kind::Logical;
    std::string face;  // historic names ("ARIAL", "Terminal", "Fixedsys", "System") are mapped to installed faces
    int heightPx = 0;  // character cell height in pixels (logical fonts)
    int widthPx = 0;   // average character width in pixels (logical fonts); the advance of a fixed-pitch font
    int weight = 400;  // 100..900, 400 normal, 700 bold
    bool fixedPitch = false;
    double points = 0;  // ByNameAndSize; 9 pt = 12 px, 9.75 pt = 13 px (96 dots per inch)

    static FontRequest Logical(std::string face, int heightPx, int widthPx, int weight, bool fixedPitch = false) {
        FontRequest f;
        f.kind = Kind::Logical;
        f.face = std::move(face);
        f.heightPx = heightPx;
        f.widthPx = widthPx;
        f.weight = weight;
        f.fixedPitch = fixedPitch;
        return f;
    }
    static FontRequest Named(std::string face, double points) {
        FontRequest f;
        f.kind = Kind::ByNameAndSize;
        f.face = std::move(face);
        f.points = points;
        return f;
    }
    static FontRequest Stock() {
        FontRequest f;
        f.kind = Kind::StockVariable;
        return f;
    }
};

}  // namespace drz::platform
