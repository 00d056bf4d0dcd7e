#pragma once

#include <QColor>

namespace ChartLib {

// The chart's fixed colours apart from the series' own.
struct ChartColors {
    static QColor backdrop() { return QColor(255, 255, 255); }
    static QColor text() { return QColor(0x20, 0x20, 0x20); }
    static QColor grid() { return QColor(0xE2, 0xE2, 0xE2); }
    static QColor axis() { return QColor(0x70, 0x70, 0x70); }
    static QColor outline() { return QColor(0x60, 0x60, 0x60); }
    static QColor legendFrame() { return QColor(0xB0, 0xB0, 0xB0); }
    static QColor leader() { return QColor(0x80, 0x80, 0x80); }
};

}  // namespace ChartLib
