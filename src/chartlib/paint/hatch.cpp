#include "chartlib/paint/hatch.h"

#include "chartlib/model/series_style.h"

#include <QHash>
#include <QImage>

namespace ChartLib {

namespace {

// One tile per pattern code. The series cycle uses 15, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14,
// 16, 17, 0, 2, 4 in that order, so its first entries are the plainest shapes; every tile
// covers a sixth to a third of its area, so the fill stays the dominant colour.
constexpr std::array<HatchBits, kPatternCodeCount> kHatchTiles{{
    {0xF0, 0x00, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x00},  // 0: horizontal dashes
    {0xE0, 0xE0, 0xE0, 0x00, 0x0E, 0x0E, 0x0E, 0x00},  // 1: staggered squares
    {0x03, 0x06, 0x0C, 0x18, 0x30, 0x60, 0xC0, 0x81},  // 2: wide "/" diagonal
    {0x80, 0x80, 0x80, 0x80, 0x08, 0x08, 0x08, 0x08},  // 3: vertical dashes
    {0xC0, 0x60, 0x30, 0x18, 0x0C, 0x06, 0x03, 0x81},  // 4: wide "\" diagonal
    {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00},  // 5: horizontal lines
    {0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88},  // 6: vertical lines
    {0x11, 0x22, 0x44, 0x88, 0x11, 0x22, 0x44, 0x88},  // 7: "/" diagonal lines
    {0x88, 0x44, 0x22, 0x11, 0x88, 0x44, 0x22, 0x11},  // 8: "\" diagonal lines
    {0xFF, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},  // 9: square grid
    {0xCC, 0xCC, 0x00, 0x00, 0x33, 0x33, 0x00, 0x00},  // 10: staggered dots
    {0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08},  // 11: bricks
    {0x81, 0x42, 0x24, 0x18, 0x81, 0x42, 0x24, 0x18},  // 12: zigzag
    {0x88, 0x00, 0x22, 0x00, 0x88, 0x00, 0x22, 0x00},  // 13: fine dots
    {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},  // 14: wide horizontal bands
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // 15: diagonal cross
    {0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0},  // 16: wide vertical bands
    {0x40, 0xE0, 0x40, 0x00, 0x04, 0x0E, 0x04, 0x00},  // 17: plus signs
}};

bool validCode(int code) {
    return code >= 0 && code < kPatternCodeCount;
}

QImage hatchTile(const HatchBits& bits, const QColor& ink) {
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    const QRgb inkPixel = qPremultiply(ink.rgba());
    for (int y = 0; y < 8; ++y) {
        auto* row = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < 8; ++x) {
            if (bits[y] & (0x80 >> x)) {
                row[x] = inkPixel;
            }
        }
    }
    return tile;
}

}  // namespace

HatchBits hatchBits(int code) {
    return validCode(code) ? kHatchTiles[code] : HatchBits{};
}

QBrush hatchBrush(int code, const QColor& ink) {
    if (!validCode(code)) {
        return QBrush(Qt::NoBrush);
    }
    // Per thread, so no lock: painting asks for the same few brushes on every frame, and
    // a reused texture spares the raster engine a new upload each time.
    thread_local QHash<quint64, QBrush> cache;
    const quint64 key = (quint64(ink.rgba()) << 8) | quint64(code);
    if (const auto found = cache.constFind(key); found != cache.cend()) {
        return *found;
    }
    if (cache.size() >= 1024) {
        cache.clear();  // many distinct inks: stay bounded rather than clever
    }
    const QBrush brush(hatchTile(kHatchTiles[code], ink));
    cache.insert(key, brush);
    return brush;
}

}  // namespace ChartLib
