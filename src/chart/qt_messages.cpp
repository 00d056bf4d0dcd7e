#include "chart/qt_messages.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace chartview {

namespace {

void dropNonFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

}  // namespace

void keepQtDiagnosticsQuiet() {
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES") &&
        qEnvironmentVariableIsEmpty("QT_MESSAGE_PATTERN")) {
        qInstallMessageHandler(dropNonFatal);
    }
}

}  // namespace chartview
