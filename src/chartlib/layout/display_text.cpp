#include "chartlib/layout/display_text.h"

namespace ChartLib {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool isDrawnAsBlank(char16_t unit) {
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F) || unit == 0x2028 || unit == 0x2029;
}

}  // namespace

QString displayText(QStringView raw) {
    QString out;
    out.reserve(raw.size());
    const qsizetype size = raw.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = raw[i].unicode();
        if (unit == 0) {
            break;
        }
        if (QChar::isHighSurrogate(unit) && i + 1 < size && raw[i + 1].isLowSurrogate()) {
            out.append(raw[i]);
            out.append(raw[i + 1]);
            ++i;
        } else if (QChar::isSurrogate(unit)) {
            out.append(QChar(kReplacement));
        } else if (isDrawnAsBlank(unit)) {
            out.append(QChar(u' '));
        } else {
            out.append(raw[i]);
        }
    }
    return out;
}

QString displayText(QStringView raw, qsizetype maxUnits) {
    if (maxUnits < 0) {
        maxUnits = 0;
    }
    if (raw.size() <= maxUnits) {
        return displayText(raw);
    }
    qsizetype kept = maxUnits;
    if (kept > 0 && raw[kept - 1].isHighSurrogate() && raw[kept].isLowSurrogate()) {
        --kept;
    }
    return displayText(raw.first(kept));
}

}  // namespace ChartLib
