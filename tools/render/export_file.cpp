#include "render/export_file.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

#include "chartlib/chart.h"

namespace chartview {

using namespace Qt::StringLiterals;

namespace {

// One logical pixel is 1/96 inch on every device, so every format shows the same picture.
constexpr int kLogicalDpi = 96;

bool writePng(const ChartLib::Chart& chart, QSize size, double scale, QIODevice& device) {
    const QSize pixels(static_cast<int>(std::ceil(size.width() * scale)),
                       static_cast<int>(std::ceil(size.height() * scale)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        chart.drawTo(painter);
    }
    QImageWriter writer(&device, "png");
    // A light zlib level: a chart compresses well anyway, and the default level makes
    // encoding cost more than drawing.
    writer.setQuality(80);
    // The chart is opaque: writing it without an alpha channel is a quarter less to encode.
    return writer.write(image.convertToFormat(QImage::Format_RGB32));
}

bool writeSvg(const ChartLib::Chart& chart, QSize size, QIODevice& device) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kLogicalDpi);
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    chart.drawTo(painter);
    return painter.end();
}

bool writePdf(const ChartLib::Chart& chart, QSize size, QIODevice& device) {
    QPdfWriter pdf(&device);
    pdf.setResolution(kLogicalDpi);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / kLogicalDpi, QPageSize::Point));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return false;
    }
    chart.drawTo(painter);
    return painter.end();
}

}  // namespace

std::optional<std::string> exportChart(const ChartLib::Chart& chart, QSize size, double scale,
                                       const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return "cannot write " + QFile::encodeName(path).toStdString() + ": " +
               file.errorString().toStdString();
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    bool drawn = false;
    if (suffix == u"png"_s) {
        drawn = writePng(chart, size, scale, file);
    } else if (suffix == u"svg"_s) {
        drawn = writeSvg(chart, size, file);
    } else {
        drawn = writePdf(chart, size, file);
    }
    if (!drawn || !file.commit()) {
        file.cancelWriting();
        return "cannot write " + QFile::encodeName(path).toStdString() + ": " +
               file.errorString().toStdString();
    }
    return std::nullopt;
}

}  // namespace chartview
