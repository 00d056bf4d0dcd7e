#pragma once

#include <QWidget>

#include "chart/load_outcome.h"
#include "chartlib/chart.h"
#include "input/launch_fields.h"

namespace chartview {

// The one window: created hidden with its stored layout (caption "Form1", a 779 x 530 px
// client area, the chart at its laid-out place), loaded once before it is first shown, and
// from then on keeping the chart over the whole client area.
class Form1 : public QWidget {
public:
    Form1();

    // Runs the load sequence; on failure the window must not be shown.
    LoadOutcome Load(const LaunchFields& fields);
    // Moves the chart to cover the whole client area.
    void Resize();

    // The client area in twips.
    float ScaleWidth() const;
    float ScaleHeight() const;

    ChartLib::Chart& Chart1() { return *chart1_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Ctrl+C copies the chart as an image; Ctrl+W and Ctrl+Q close the window.
    void addDesktopShortcuts();
    void copyChartToClipboard();

    ChartLib::Chart* chart1_;
};

}  // namespace chartview
