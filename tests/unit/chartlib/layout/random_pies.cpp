#include "random_pies.h"

#include <cmath>
#include <limits>

namespace ChartLib::testing {

using namespace Qt::StringLiterals;

std::vector<std::optional<double>> randomPieValues(std::mt19937& random, int count,
                                                   const PieValueMix& mix) {
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<std::optional<double>> values;
    for (int i = 0; i < count; ++i) {
        double pick = unit(random);
        const double ordinary = std::floor(unit(random) * 1000);
        auto take = [&](double share) { return (pick -= share) < 0; };
        if (take(mix.zero)) {
            values.push_back(0.0);
        } else if (take(mix.negative)) {
            values.push_back(-ordinary - 1);
        } else if (take(mix.notFinite)) {
            const double inf = std::numeric_limits<double>::infinity();
            values.push_back(unit(random) < 0.5 ? std::numeric_limits<double>::quiet_NaN() : inf);
        } else if (take(mix.empty)) {
            values.push_back(std::nullopt);
        } else if (take(mix.sliver)) {
            values.push_back(ordinary * 1e-10);
        } else {
            values.push_back(ordinary);
        }
    }
    return values;
}

ChartModel randomPieModel(std::mt19937& random, const std::vector<std::optional<double>>& values,
                          double labelledShare) {
    const int count = static_cast<int>(values.size());
    DataArray data(1, count + 1);
    data.setText(0, 0, u" Pie");  // a label column, so that series 0 stays a series
    for (int s = 0; s < count; ++s) {
        if (values[static_cast<std::size_t>(s)]) {
            data.setNumber(0, s + 1, *values[static_cast<std::size_t>(s)]);
        }
    }
    ChartModel model;
    model.setChartData(std::move(data));
    model.setChartType(kChartType2dPie);
    std::uniform_real_distribution<double> unit(0, 1);
    constexpr int kInside = 2;
    struct Label {
        int location;
        int component;
    };
    // Shown outside with the share; else nowhere, outside without the share, or inside.
    constexpr Label kAsked{kLocationOutside, kComponentPercent};
    constexpr Label kNotAsked[] = {{kLocationNone, kComponentPercent},
                                   {kLocationOutside, kComponentValue},
                                   {kInside, kComponentPercent | kComponentValue}};
    for (int s = 0; s < count; ++s) {
        const Label label = unit(random) < labelledShare
                                ? kAsked
                                : kNotAsked[static_cast<std::size_t>(random() % 3)];
        model.setLabelLocation(s, label.location);
        model.setLabelComponent(s, label.component);
        model.setPercentFormat(s, u"0%"_s);
    }
    return model;
}

}  // namespace ChartLib::testing
