#include "app/form1.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QShortcut>

#include "app/window_caption.h"
#include "chart/load_sequence.h"
#include "chartlib/twips.h"

namespace chartview {

using namespace Qt::StringLiterals;

namespace {

// The stored layout, in twips.
constexpr double kClientWidth = 11685;
constexpr double kClientHeight = 7950;
constexpr float kChartLeft = 240;
constexpr std::int16_t kChartTop = 120;
constexpr float kChartWidth = 11295;
constexpr float kChartHeight = 7695;

}  // namespace

Form1::Form1() : chart1_(new ChartLib::Chart(this)) {
    setWindowTitle(u"Form1"_s);
    resize(ChartLib::twipsToPixels(kClientWidth), ChartLib::twipsToPixels(kClientHeight));
    chart1_->Move(kChartLeft, kChartTop, kChartWidth, kChartHeight);
    addDesktopShortcuts();
}

void Form1::addDesktopShortcuts() {
    // Fixed keys: the platform's standard Close and Quit sequences vary by theme, and a
    // key bound twice would fire neither.
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_C), this, [this] { copyChartToClipboard(); });
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this, [this] { close(); });
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this, [this] { close(); });
}

void Form1::copyChartToClipboard() {
    QGuiApplication::clipboard()->setImage(chart1_->toImage(devicePixelRatioF()));
}

LoadOutcome Form1::Load(const LaunchFields& fields) {
    return runLoadSequence(fields, *chart1_, [this](const QString& caption) {
        setWindowTitle(literalWindowTitle(caption));
    });
}

void Form1::Resize() {
    chart1_->Move(0, 0, ScaleWidth(), ScaleHeight());
}

float Form1::ScaleWidth() const {
    return static_cast<float>(ChartLib::pixelsToTwips(width()));
}

float Form1::ScaleHeight() const {
    return static_cast<float>(ChartLib::pixelsToTwips(height()));
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Resize();
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Resize();
    }
}

}  // namespace chartview
