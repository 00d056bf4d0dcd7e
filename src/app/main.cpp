#include <QApplication>

#include <cstdio>
#include <string>

#include "app/form1.h"
#include "chart/qt_messages.h"
#include "input/launch_fields.h"

using namespace Qt::StringLiterals;

namespace {

constexpr const char* kUsage =
    "usage: chartview 'DATAFILE|CAPTION_A|CAPTION_B|CAPTION_CHOICE|KIND|SERIES1|SERIES2|SECOND'\n"
    "\n"
    "Shows the 400-byte records of DATAFILE as a bar chart (KIND \"0\") or a pie chart\n"
    "(any other KIND) until the window is closed. The caption is CAPTION_A when\n"
    "CAPTION_CHOICE is \"0\", else CAPTION_B. A bar chart has one series when SECOND is \"0\",\n"
    "two otherwise; SERIES2 names the second only when SECOND is \"1\".\n"
    "\n"
    "Exit status: 0 closed by the user, 64 not exactly eight fields, 65 data file too short\n"
    "or too large, 66 data file not found, 70 internal failure, 74 read failure.\n";

// Without a platform named and no display to reach, Qt would abort with a message of its
// own; say plainly what is missing instead.
bool displayReachable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string argumentText = chartview::joinArguments(argc, argv);
    if (argumentText == "--help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argumentText == "--version") {
        std::fputs("chartview " CHARTVIEW_VERSION "\n", stdout);
        return 0;
    }
    const auto fields = chartview::LaunchFields::split(argumentText);
    if (!fields) {
        return static_cast<int>(chartview::ExitStatus::Usage);
    }

    // Qt sees no arguments of ours, and an empty program name: an empty caption then stays
    // empty instead of falling back to the application name.
    if (!displayReachable()) {
        return chartview::reportFailure(
            "chartview", {chartview::ExitStatus::Software,
                          "no display: set DISPLAY or WAYLAND_DISPLAY (chartview-render draws "
                          "without one)"});
    }
    chartview::keepQtDiagnosticsQuiet();
    char programName[] = "";
    char* qtArgv[] = {programName, nullptr};
    int qtArgc = 1;
    QApplication app(qtArgc, qtArgv);
    QGuiApplication::setDesktopFileName(u"chartview"_s);

    chartview::Form1 form;
    if (const auto failure = form.Load(*fields)) {
        return chartview::reportFailure("chartview", *failure);
    }
    form.show();
    return app.exec();
}
