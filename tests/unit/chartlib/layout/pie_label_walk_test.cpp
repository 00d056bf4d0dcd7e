#include "chartlib/layout/pie_label_walk.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "chartlib/model/chart_model.h"
#include "fake_text_metrics.h"
#include "random_pies.h"

namespace ChartLib {
namespace {

using testing::FakeTextMetrics;

QString shareText(int series) {
    return QStringLiteral("%1%").arg(series % 1000);
}

// The reference: every labelled series offered in turn.
int offerEveryLabel(const PieValues& values, PieLabelPlacer& placer) {
    int placed = 0;
    for (int series = 0; series < values.seriesCount(); ++series) {
        if (values.labelled().test(series)) {
            placed +=
                placer.place(values.midDegrees(series), series, [&] { return shareText(series); });
        }
    }
    return placed;
}

TEST(PlaceShareLabels, PlacesWhatOfferingEveryLabelWouldPlace) {
    const struct {
        const char* name;
        int count;
        double labelledShare;
        testing::PieValueMix mix;
    } pies[] = {
        {"a few slices, all labelled", 10, 1, {}},
        {"hundreds, half labelled", 800, 0.5, {}},
        {"a crowd of slivers, all labelled", 40000, 1, {0.02, 0.02, 0.02, 0.02, 0.9}},
        {"a crowd, few labelled", 40000, 0.001, {}},
        {"nothing labelled", 2000, 0, {}},
    };
    const PieLabelFrame frames[] = {
        {QPointF(300, 250), 200, QRectF(0, 20, 640, 480)},
        {QPointF(100, 80), 30, QRectF(0, 0, 200, 160)},
        {QPointF(100, 80), 0.5, QRectF(0, 0, 200, 160)},
        {QPointF(100, 80), 0, QRectF(0, 0, 200, 160)},
    };
    const FakeTextMetrics metrics;
    std::mt19937 random(17);
    for (const auto& p : pies) {
        const auto values = testing::randomPieValues(random, p.count, p.mix);
        const PieValues pie =
            PieValues::scan(testing::randomPieModel(random, values, p.labelledShare));
        for (const PieLabelFrame& frame : frames) {
            SCOPED_TRACE(::testing::Message() << p.name << ", radius " << frame.radius);
            PieLabelPlacer walked(frame, metrics);
            PieLabelPlacer offered(frame, metrics);
            const int placed =
                placeShareLabels(pie, walked, [](int series) { return shareText(series); });
            EXPECT_EQ(placed, offerEveryLabel(pie, offered));
            const std::vector<PieLabel>& got = walked.labels();
            const std::vector<PieLabel>& want = offered.labels();
            ASSERT_EQ(got.size(), want.size());
            for (std::size_t i = 0; i < got.size(); ++i) {
                SCOPED_TRACE(i);
                EXPECT_EQ(got[i].series, want[i].series);
                EXPECT_EQ(got[i].text.text, want[i].text.text);
                EXPECT_EQ(got[i].text.box, want[i].text.box);
                EXPECT_EQ(got[i].leader, want[i].leader);
            }
        }
    }
}

}  // namespace
}  // namespace ChartLib
