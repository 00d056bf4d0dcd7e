// Random tables at random sizes through layout and paint, in both chart types.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "chartlib/model/chart_model.h"
#include "chartlib/paint/chart_painter.h"

namespace {

// Reads the fuzzer's bytes in order; zeros once they run out.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    double number() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits = bits << 8 | byte();
        }
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    std::u16string text() {
        std::u16string units(byte() % 12, u'\0');
        for (char16_t& unit : units) {
            unit = static_cast<char16_t>(byte() << 8 | byte());
        }
        return units;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

ChartLib::DataArray randomCells(ByteReader& in) {
    const int rows = in.byte() % 40;
    const int columns = in.byte() % 40;
    ChartLib::DataArray cells(rows, columns);
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < rows; ++row) {
            switch (in.byte() % 3) {
                case 1:
                    cells.setText(row, column, in.text());
                    break;
                case 2:
                    cells.setNumber(row, column, in.number());
                    break;
                default:
                    break;
            }
        }
    }
    return cells;
}

void styleSeries(ChartLib::ChartModel& model, ByteReader& in) {
    for (int series = 0; series < model.seriesCount(); ++series) {
        model.setFillColor(series, {in.byte(), in.byte(), in.byte()});
        model.setBrushStyle(series, in.byte() % 3);
        model.setPatternIndex(series, in.byte() % ChartLib::kPatternCodeCount);
        model.setLabelLocation(series, in.byte() % 9);
        model.setLabelComponent(series, in.byte() % 16);
        model.setPercentFormat(series, QString::fromStdU16String(in.text()));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "chart_paint_fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    ChartLib::ChartModel model;
    model.setChartType(in.byte() & 1 ? ChartLib::kChartType2dPie : ChartLib::kChartType2dBar);
    model.setShowLegend(in.byte() & 1);
    model.setAxisLabelFormat(1, QString::fromStdU16String(in.text()));
    model.setChartData(randomCells(in));
    styleSeries(model, in);
    const int width = in.byte() << 2 | (in.byte() & 3);  // 0 .. 1023
    const int height = in.byte() << 2 | (in.byte() & 3);
    QImage image(qMax(width, 1), qMax(height, 1), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    ChartLib::paintChart(painter, model, QRectF(0, 0, width, height));
    return 0;
}
