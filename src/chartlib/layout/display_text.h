#pragma once

#include <QString>
#include <QStringView>

namespace ChartLib {

// The text drawn for a label held as raw UTF-16: everything up to the first zero code unit,
// each unpaired surrogate replaced by U+FFFD, and control characters (C0, DEL, C1, line and
// paragraph separators) drawn as a blank so that they never break or reorder a line.
// Accepts any code units; never fails.
QString displayText(QStringView raw);

// displayText of at most the first `maxUnits` code units (without splitting a surrogate
// pair): a label wider than any area draws the same, and measuring stays cheap.
QString displayText(QStringView raw, qsizetype maxUnits);

}  // namespace ChartLib
