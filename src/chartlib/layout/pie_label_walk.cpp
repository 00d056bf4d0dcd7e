#include "chartlib/layout/pie_label_walk.h"

#include <optional>

namespace ChartLib {

namespace {

// The first series after `series`, aimed at `arc`, that aims at a later arc (or at none).
int firstPastArc(const PieValues& values, const PieLabelPlacer& placer, int series,
                 std::size_t arc) {
    return values.firstWhere(series + 1, [&](int next) {
        const std::optional<std::size_t> nextArc = placer.arcOf(values.midDegrees(next));
        return !nextArc || *nextArc > arc;
    });
}

}  // namespace

int placeShareLabels(const PieValues& values, PieLabelPlacer& placer,
                     FunctionRef<QString(int)> text) {
    const RankedBits& labelled = values.labelled();
    int placed = 0;
    for (int series = labelled.next(0); series < values.seriesCount();) {
        const double mid = values.midDegrees(series);
        const std::optional<std::size_t> arc = placer.arcOf(mid);
        if (!arc) {
            break;  // middles never go down: no later label has an arc either
        }
        if (placer.isFull(*arc)) {
            series = labelled.next(firstPastArc(values, placer, series, *arc));
            continue;
        }
        placed += placer.place(mid, series, [&] { return text(series); }) ? 1 : 0;
        series = labelled.next(series + 1);
    }
    return placed;
}

}  // namespace ChartLib
