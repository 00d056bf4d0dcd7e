#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

#include "support/process.h"
#include "support/record_files.h"

namespace chartview::testing {
namespace {

using namespace Qt::StringLiterals;

ProcessResult runViewer(const QStringList& arguments,
                        const QProcessEnvironment& environment = environmentWithoutDisplay()) {
    return runProcess(builtProgram(u"chartview"_s), arguments, environment);
}

// Refused argument texts end before any display is opened: no display is set here, so
// opening one would abort instead of giving 64.
TEST(ChartviewCliTest, RefusesAnythingButEightFieldsSilently) {
    const QStringList cases[] = {
        {},
        {u"a|b|c|d|e|f|g"_s},
        {u"a|b|c|d|e|f|g|h|"_s},
        {u"a|cap|tion|b|0|0|x|y|1"_s},
        {u"a|b|c|d"_s, u"e|f|g|h|i|j"_s},
        {u""_s},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const ProcessResult result = runViewer(arguments);
        ASSERT_TRUE(result.finished);
        EXPECT_EQ(result.exitCode, 64);
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}

TEST(ChartviewCliTest, SaysSoWhenNoDisplayCanBeReached) {
    TempFiles files;
    const std::string path = files.write(u"d.dat"_s, encodeFile(numberedRecords(2)));
    const ProcessResult result = runViewer({QString::fromStdString(path) + u"|A|B|0|0|x|y|1"_s});
    EXPECT_EQ(result.exitCode, 70);
    EXPECT_TRUE(result.err.startsWith("chartview: no display")) << result.err.toStdString();
    EXPECT_EQ(result.err.count('\n'), 1);
}

TEST(ChartviewCliTest, HelpAndVersionPrintToStdout) {
    for (const QString& option : {u"--help"_s, u"--version"_s}) {
        const ProcessResult result = runViewer({option});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(
            result.out.startsWith(option == u"--help"_s ? "usage: chartview" : "chartview "));
    }
}

TEST(ChartviewCliTest, DataFileFailuresEndBeforeAnyWindow) {
    TempFiles files;
    files.write(u"short.dat"_s, QByteArray(199, 'x'));
    QProcessEnvironment offscreen = QProcessEnvironment::systemEnvironment();
    offscreen.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    struct Case {
        const char* name;
        std::string path;
        int status;
        bool saysWhy;
    };
    const Case cases[] = {
        {"missing", files.path(u"none.dat"_s), 66, true},
        {"empty path", "", 66, true},
        {"directory", files.path(u"."_s), 66, true},
        {"199 bytes", files.path(u"short.dat"_s), 65, true},
        {"a sys file holding less than it reports", "/sys/kernel/mm/transparent_hugepage/enabled",
         74, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString text = QString::fromStdString(c.path) + u"|A|B|0|0|x|y|1"_s;
        const ProcessResult result = runViewer({text}, offscreen);
        ASSERT_TRUE(result.finished);
        EXPECT_EQ(result.exitCode, c.status);
        if (c.saysWhy) {
            EXPECT_TRUE(result.err.startsWith("chartview: " + QByteArray::fromStdString(c.path)))
                << result.err.toStdString();
            EXPECT_EQ(result.err.count('\n'), 1);
        } else {
            EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        }
    }
}

// Permission cases need an unprivileged user: as root they run the viewer as "nobody".
TEST(ChartviewCliTest, PermissionFailures) {
    if (geteuid() != 0 || !QFile::exists(u"/usr/bin/setpriv"_s)) {
        GTEST_SKIP() << "needs root to run the viewer as another user";
    }
    TempFiles files;
    const std::string unreadable = files.write(u"unreadable.dat"_s, encodeFile(numberedRecords(2)));
    QFile::setPermissions(QString::fromStdString(unreadable), QFileDevice::WriteOwner);
    QFile::setPermissions(QString::fromStdString(files.path(u"."_s)),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                              QFileDevice::ExeOther | QFileDevice::ExeGroup);
    QProcessEnvironment offscreen = QProcessEnvironment::systemEnvironment();
    offscreen.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    const QStringList asNobody = {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s,
                                  builtProgram(u"chartview"_s)};
    const ProcessResult noRead =
        runProcess(u"/usr/bin/setpriv"_s,
                   asNobody + QStringList{QString::fromStdString(unreadable) + u"|A|B|0|0|x|y|1"_s},
                   offscreen);
    EXPECT_EQ(noRead.exitCode, 74);
    EXPECT_TRUE(noRead.err.isEmpty()) << noRead.err.toStdString();

    QFile::setPermissions(QString::fromStdString(files.path(u"."_s)),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const ProcessResult noSearch =
        runProcess(u"/usr/bin/setpriv"_s,
                   asNobody + QStringList{QString::fromStdString(unreadable) + u"|A|B|0|0|x|y|1"_s},
                   offscreen);
    EXPECT_EQ(noSearch.exitCode, 66);
    EXPECT_TRUE(noSearch.err.contains("Permission denied")) << noSearch.err.toStdString();
}

}  // namespace
}  // namespace chartview::testing
