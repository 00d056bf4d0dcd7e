#include "test_models.h"

#include <algorithm>
#include <cmath>

namespace ChartLib::testing {

using namespace Qt::StringLiterals;

ChartModel barModel(const std::vector<std::vector<std::optional<double>>>& rows) {
    const int seriesCount = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    DataArray data(static_cast<int>(rows.size()) + 1, seriesCount + 1);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::u16string label = u"r" + std::u16string(1, char16_t(u'0' + row % 10));
        data.setText(static_cast<int>(row) + 1, 0, label);
        for (int s = 0; s < seriesCount; ++s) {
            if (const auto value = rows[row][static_cast<std::size_t>(s)]) {
                data.setNumber(static_cast<int>(row) + 1, s + 1, *value);
            }
        }
    }
    ChartModel model;
    model.setChartData(std::move(data));
    model.setChartType(kChartType2dBar);
    model.setAxisLabelFormat(1, u"#,###"_s);
    return model;
}

ChartModel pieModel(const std::vector<double>& values) {
    const int count = static_cast<int>(values.size());
    DataArray data(2, count + 1);
    data.setText(1, 0, u" Pie");
    for (int s = 0; s < count; ++s) {
        data.setText(0, s + 1, u" slice");
        data.setNumber(1, s + 1, values[static_cast<std::size_t>(s)]);
    }
    ChartModel model;
    model.setChartData(std::move(data));
    model.setShowLegend(true);
    model.setChartType(kChartType2dPie);
    for (int s = 0; s < count; ++s) {
        model.setLabelLocation(s, kLocationOutside);
        model.setLabelComponent(s, kComponentPercent);
        model.setPercentFormat(s, u"0%"_s);
    }
    return model;
}

bool meetsDisc(const QRectF& rect, const QPointF& center, double radius) {
    const double dx = std::max({rect.left() - center.x(), 0.0, center.x() - rect.right()});
    const double dy = std::max({rect.top() - center.y(), 0.0, center.y() - rect.bottom()});
    // A hair of tolerance: boxes placed against the circle may touch it.
    return dx * dx + dy * dy < radius * radius - 1e-6;
}

}  // namespace ChartLib::testing
