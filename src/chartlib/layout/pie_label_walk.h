#pragma once

#include <QString>

#include "chartlib/layout/function_ref.h"
#include "chartlib/layout/pie_labels.h"
#include "chartlib/layout/pie_values.h"

namespace ChartLib {

// Offers `placer` the share label of every series that `values` says asks for one, in series
// order, with the same outcome as calling placer.place(values.midDegrees(s), s, ...) for each
// of them; `text(s)` gives the text of series s when one is needed. Series aimed at an arc
// already full are passed over in one search, so the cost follows the labels tried and the
// arcs, not the series. Returns how many labels were placed.
int placeShareLabels(const PieValues& values, PieLabelPlacer& placer,
                     FunctionRef<QString(int)> text);

}  // namespace ChartLib
