#include <QApplication>

#include <cstdio>
#include <new>
#include <string>
#include <variant>

#include "chart/load_sequence.h"
#include "chart/qt_messages.h"
#include "chartlib/chart.h"
#include "chartlib/twips.h"
#include "input/launch_fields.h"
#include "render/describe_json.h"
#include "render/export_file.h"
#include "render/render_options.h"

namespace {

constexpr const char* kProgram = "chartview-render";
constexpr const char* kUsage =
    "usage: chartview-render [-o FILE.png|.svg|.pdf] [--size WxH] [--scale F] [--describe] "
    "[--] ARGUMENT-TEXT\n"
    "\n"
    "Loads ARGUMENT-TEXT as chartview does and, without a display, writes the chart the\n"
    "window shows at a client area of WxH logical pixels (default 779x530) to FILE, and/or\n"
    "prints it as JSON (--describe). --scale sets a PNG's device pixel ratio (default 1).\n"
    "Exit statuses as chartview's; 64 also for unusable options.\n";

int usageError(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
    return static_cast<int>(chartview::ExitStatus::Usage);
}

// Writes what the options ask for; the chart is already loaded and placed.
chartview::LoadOutcome writeOutputs(const chartview::RenderOptions& options,
                                    const ChartLib::Chart& chart, const QString& caption) {
    try {
        if (!options.outputPath.isEmpty()) {
            if (const auto error = chartview::exportChart(chart, chart.size(), options.scale,
                                                          options.outputPath)) {
                return chartview::LoadFailure{chartview::ExitStatus::Software, *error};
            }
        }
        if (options.describe) {
            const std::string json = chartview::describeChart(chart.model(), caption);
            if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() ||
                std::fflush(stdout) != 0) {
                return chartview::LoadFailure{chartview::ExitStatus::IoError,
                                              "cannot write the description to stdout"};
            }
        }
    } catch (const std::bad_alloc&) {
        return chartview::LoadFailure{chartview::ExitStatus::Software,
                                      "out of memory while drawing or describing the chart"};
    }
    return std::nullopt;
}

int render(const chartview::RenderOptions& options, const chartview::LaunchFields& fields) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // no display is needed, or used
    chartview::keepQtDiagnosticsQuiet();
    char programName[] = "";
    char* qtArgv[] = {programName, nullptr};
    int qtArgc = 1;
    QApplication app(qtArgc, qtArgv);

    ChartLib::Chart chart;
    QString caption;
    auto outcome = chartview::runLoadSequence(
        fields, chart, [&caption](const QString& chosen) { caption = chosen; });
    if (!outcome) {
        // What the window's resize handling does at this client size.
        chart.Move(0, 0, static_cast<float>(ChartLib::pixelsToTwips(options.size.width())),
                   static_cast<float>(ChartLib::pixelsToTwips(options.size.height())));
        outcome = writeOutputs(options, chart, caption);
    }
    return outcome ? chartview::reportFailure(kProgram, *outcome) : 0;
}

}  // namespace

int main(int argc, char** argv) {
    const auto parsed = chartview::parseRenderOptions(argc, argv);
    if (const auto* error = std::get_if<chartview::OptionError>(&parsed)) {
        return usageError(error->message);
    }
    if (const auto* request = std::get_if<chartview::RenderRequest>(&parsed)) {
        std::fputs(*request == chartview::RenderRequest::Help
                       ? kUsage
                       : "chartview-render " CHARTVIEW_VERSION "\n",
                   stdout);
        return 0;
    }
    const auto& options = std::get<chartview::RenderOptions>(parsed);
    const auto fields = chartview::LaunchFields::split(options.argumentText);
    if (!fields) {
        return static_cast<int>(chartview::ExitStatus::Usage);
    }
    return render(options, *fields);
}
