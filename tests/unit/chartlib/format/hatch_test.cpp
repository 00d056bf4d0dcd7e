#include "chartlib/paint/hatch.h"

#include "chartlib/model/series_style.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <bit>
#include <climits>

namespace ChartLib {
namespace {

bool bitSet(const HatchBits& bits, int x, int y) {
    return (bits[y & 7] & (0x80 >> (x & 7))) != 0;
}

// The tile moved right by dx and down by dy, wrapping around as the tiling does.
HatchBits translated(const HatchBits& bits, int dx, int dy) {
    HatchBits moved{};
    for (int y = 0; y < 8; ++y) {
        const unsigned row = bits[(y - dy + 8) & 7];
        moved[y] = static_cast<std::uint8_t>(((row >> dx) | (row << (8 - dx))) & 0xFF);
    }
    return moved;
}

int coveredPixels(const HatchBits& bits) {
    int count = 0;
    for (const std::uint8_t row : bits) {
        count += std::popcount(row);
    }
    return count;
}

TEST(HatchBits, EveryCodeCoversAPartOfTheArea) {
    for (int code = 0; code < kPatternCodeCount; ++code) {
        SCOPED_TRACE(code);
        const double share = coveredPixels(hatchBits(code)) / 64.0;
        EXPECT_GE(share, 0.10);
        EXPECT_LE(share, 0.40);
    }
}

TEST(HatchBits, NoCodeIsAnotherMoved) {
    for (int a = 0; a < kPatternCodeCount; ++a) {
        for (int b = a + 1; b < kPatternCodeCount; ++b) {
            for (int shift = 0; shift < 64; ++shift) {
                SCOPED_TRACE(testing::Message() << "codes " << a << " and " << b << ", shift "
                                                << shift % 8 << "," << shift / 8);
                EXPECT_NE(hatchBits(a), translated(hatchBits(b), shift % 8, shift / 8));
            }
        }
    }
}

TEST(HatchBits, CodesOutsideTheRangeHaveNoTileAndNoBrush) {
    for (const int code : {-1, kPatternCodeCount, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(hatchBits(code), HatchBits{});
        EXPECT_EQ(hatchBrush(code, Qt::black).style(), Qt::NoBrush);
    }
}

// Paints a red fill, then the hatch over it, as the chart does for a patterned series.
QImage paintOverRed(int code, const QColor& ink) {
    QImage image(24, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::red);
    QPainter painter(&image);
    painter.fillRect(image.rect(), hatchBrush(code, ink));
    return image;
}

TEST(HatchBrush, DrawsTheTileInInkAndLetsTheFillShow) {
    for (int code = 0; code < kPatternCodeCount; ++code) {
        SCOPED_TRACE(code);
        const QImage image = paintOverRed(code, Qt::black);
        const HatchBits bits = hatchBits(code);
        int mismatches = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor expected = bitSet(bits, x, y) ? QColor(Qt::black) : QColor(Qt::red);
                mismatches += image.pixelColor(x, y) != expected;
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(HatchBrush, UsesEachInkItIsGiven) {
    // Two inks for one code in a row: a cache keyed on the code alone would repeat the first.
    for (const QColor ink : {QColor(Qt::blue), QColor(0, 128, 0), QColor(Qt::blue)}) {
        SCOPED_TRACE(ink.name().toStdString());
        const QImage image = paintOverRed(5, ink);
        EXPECT_EQ(image.pixelColor(3, 0), ink);
        EXPECT_EQ(image.pixelColor(3, 1), QColor(Qt::red));
    }
}

TEST(HatchBrush, TranslucentInkBlendsWithTheFill) {
    const QImage image = paintOverRed(6, QColor(0, 0, 255, 128));
    const QColor blended = image.pixelColor(0, 0);
    EXPECT_GT(blended.red(), 100);
    EXPECT_GT(blended.blue(), 100);
    EXPECT_EQ(image.pixelColor(1, 0), QColor(Qt::red));
}

}  // namespace
}  // namespace ChartLib
