#pragma once

#include <optional>
#include <random>
#include <vector>

#include "chartlib/model/chart_model.h"

namespace ChartLib::testing {

// How often each kind of value turns up in randomPieValues.
struct PieValueMix {
    double zero = 0.05;
    double negative = 0.05;
    double notFinite = 0.05;  // NaN or an infinity
    double empty = 0.05;      // no value at all
    double sliver = 0.3;      // a value ten orders of magnitude below the others
};

// `count` values of the kinds a pie meets, in random order.
std::vector<std::optional<double>> randomPieValues(std::mt19937& random, int count,
                                                   const PieValueMix& mix);

// A pie model of one data row holding `values`, in which about `labelledShare` of the series
// ask for their share outside (others ask for nothing, for the value only, or for the share
// inside), with the format "0%".
ChartModel randomPieModel(std::mt19937& random, const std::vector<std::optional<double>>& values,
                          double labelledShare);

}  // namespace ChartLib::testing
