// Font requests resolved to installed faces: cell height, average width, fixed pitch, weight.
#include "platform/font_resolver.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>

namespace drz::platform {

namespace {

constexpr const char* kSansFace = "Liberation Sans";
constexpr const char* kMonoFace = "Liberation Mono";
constexpr int kStockPixels = 13;
// Fixedsys exists in one size only: cells 8 pixels wide and 15 high.
constexpr int kFixedsysHeight = 15;
constexpr int kFixedsysWidth = 8;
// A measured width within this share of the requested one keeps the face's own proportions.
constexpr double kWidthTolerance = 0.10;

QString Lower(const std::string& face) { return QString::fromUtf8(face).trimmed().toLower(); }

bool IsFixedFace(const QString& lower) { return lower == "terminal" || lower == "fixedsys"; }
bool IsSystemFace(const QString& lower) { return lower == "system"; }

QFont::Weight MapWeight(int weight) {
    if (weight <= 0) return QFont::Normal;  // "don't care"
    return static_cast<QFont::Weight>(std::clamp(weight, 100, 900));
}

int CellOf(const QFont& font, int pixels) {
    QFont f = font;
    f.setPixelSize(pixels);
    const QFontMetrics m(f);
    return m.ascent() + m.descent();
}

// The pixel size whose ascent + descent comes closest to the cell height; on a tie the smaller one.
int PixelSizeForCell(const QFont& font, int cellHeight) {
    int best = 1, bestDiff = 1 << 30;
    for (int px = 1; px <= 2 * cellHeight + 2; ++px) {
        const int diff = std::abs(CellOf(font, px) - cellHeight);
        if (diff < bestDiff) best = px, bestDiff = diff;
    }
    return best;
}

double DigitAdvance(const QFont& font) {
    return QFontMetricsF(font).horizontalAdvance(QStringLiteral("0123456789")) / 10.0;
}

// Stretch that makes a digit about `width` pixels wide; 100 when the face is close enough already.
int StretchForWidth(const QFont& font, int width) {
    const double measured = DigitAdvance(font);
    if (width <= 0 || measured <= 0) return 100;
    const double ratio = width / measured;
    if (std::abs(ratio - 1.0) <= kWidthTolerance) return 100;
    return std::clamp(static_cast<int>(std::lround(100 * ratio)), 1, 4000);
}

ResolvedFont Measure(const QFont& font, int fixedAdvance) {
    ResolvedFont r;
    r.font = font;
    const QFontMetrics m(font);
    r.ascent = m.ascent();
    r.descent = m.descent();
    r.fixedAdvance = fixedAdvance;
    return r;
}

ResolvedFont ResolveLogical(const FontRequest& req) {
    const QString lower = Lower(req.face);
    const bool fixed = req.fixedPitch || IsFixedFace(lower);
    QFont f = BaseFont(QString::fromUtf8(req.face));
    f.setWeight(IsSystemFace(lower) ? std::max(QFont::Bold, MapWeight(req.weight)) : MapWeight(req.weight));
    if (req.heightPx > 0)
        f.setPixelSize(PixelSizeForCell(f, req.heightPx));
    else
        f.setPixelSize(req.heightPx < 0 ? -req.heightPx : kStockPixels);  // negative: the em height itself
    f.setStretch(StretchForWidth(f, req.widthPx));
    const int advance = req.widthPx > 0 ? req.widthPx : static_cast<int>(std::lround(DigitAdvance(f)));
    return Measure(f, fixed ? std::max(advance, 1) : 0);
}

ResolvedFont ResolveNamed(const FontRequest& req) {
    const QString lower = Lower(req.face);
    if (lower == "fixedsys")
        return ResolveLogical(FontRequest::Logical(req.face, kFixedsysHeight, kFixedsysWidth, 400, true));
    QFont f = BaseFont(QString::fromUtf8(req.face));
    f.setPixelSize(std::max(1, PointsToPixels(req.points)));
    if (IsSystemFace(lower)) f.setWeight(QFont::Bold);
    const int advance = IsFixedFace(lower) ? static_cast<int>(std::lround(DigitAdvance(f))) : 0;
    return Measure(f, advance);
}

ResolvedFont ResolveStock() {
    QFont f = BaseFont(kSansFace);
    f.setPixelSize(kStockPixels);
    return Measure(f, 0);
}

using Key = std::tuple<int, QString, int, int, int, bool, double>;

Key KeyOf(const FontRequest& r) {
    return {static_cast<int>(r.kind), Lower(r.face), r.heightPx, r.widthPx, r.weight, r.fixedPitch, r.points};
}

std::map<Key, ResolvedFont>& Cache() {
    static std::map<Key, ResolvedFont> cache;
    return cache;
}

const ResolvedFont& ResolveUncached(const FontRequest& request) {
    auto& cache = Cache();
    const Key key = KeyOf(request);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    ResolvedFont r;
    switch (request.kind) {
        case FontRequest::Kind::Logical:
            r = ResolveLogical(request);
            break;
        case FontRequest::Kind::ByNameAndSize:
            r = ResolveNamed(request);
            break;
        case FontRequest::Kind::StockVariable:
            r = ResolveStock();
            break;
    }
    return cache.emplace(key, std::move(r)).first->second;
}

bool SameRequest(const FontRequest& a, const FontRequest& b) {
    return a.kind == b.kind && a.heightPx == b.heightPx && a.widthPx == b.widthPx && a.weight == b.weight &&
           a.fixedPitch == b.fixedPitch && a.points == b.points && a.face == b.face;
}

// The game asks for the same font many times in a row (a mark per cell): the last answer is kept at hand.
struct LastRequest {
    FontRequest request;
    const ResolvedFont* font = nullptr;
};
LastRequest& Last() {
    static LastRequest last;
    return last;
}

}  // namespace

int PointsToPixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont BaseFont(const QString& face) {
    QFont f(face.isEmpty() ? QString(kSansFace) : face);
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setKerning(false);
    return f;
}

const ResolvedFont& ResolveFont(const FontRequest& request) {
    LastRequest& last = Last();
    if (last.font && SameRequest(last.request, request)) return *last.font;
    const ResolvedFont& font = ResolveUncached(request);
    last = {request, &font};
    return font;
}

void ClearFontCache() {
    Last() = {};
    Cache().clear();
}

void InstallFontSubstitutions() {
    const QStringList sans{kSansFace};
    const QStringList mono{kMonoFace};
    for (const char* name : {"ARIAL", "Arial", "System"}) QFont::insertSubstitutions(name, sans);
    for (const char* name : {"Terminal", "Fixedsys"}) QFont::insertSubstitutions(name, mono);
}

}  // namespace drz::platform
