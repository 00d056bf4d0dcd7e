#include "chartlib/layout/chart_font.h"

namespace ChartLib {

using namespace Qt::StringLiterals;

QFont chartFont() {
    QFont font(u"IPAPGothic"_s);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kChartFontPixels);
    return font;
}

}  // namespace ChartLib
