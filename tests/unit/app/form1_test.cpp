#include <QGuiApplication>
#include <QWindow>

#include <gtest/gtest.h>

#include "app/form1.h"
#include "support/record_files.h"

namespace chartview {
namespace {

using namespace Qt::StringLiterals;

TEST(Form1Test, StartsWithItsStoredLayout) {
    Form1 form;
    EXPECT_EQ(form.windowTitle(), u"Form1"_s);
    EXPECT_EQ(form.size(), QSize(779, 530));
    EXPECT_EQ(form.ScaleWidth(), 11685.0f);
    EXPECT_EQ(form.ScaleHeight(), 7950.0f);
    EXPECT_EQ(form.Chart1().geometry(), QRect(16, 8, 753, 513));
}

TEST(Form1Test, ChartCoversTheClientAreaOnceShownAndAfterEveryResize) {
    testing::TempFiles files;
    const std::string path =
        files.write(u"d.dat"_s, testing::encodeFile(testing::numberedRecords(3)));
    Form1 form;
    ASSERT_FALSE(form.Load(*LaunchFields::split(path + "|A|B|0|0|x|y|1")).has_value());
    form.show();
    EXPECT_EQ(form.Chart1().geometry(), form.rect());
    for (const QSize size : {QSize(300, 200), QSize(1000, 41), QSize(1, 1), QSize(779, 530)}) {
        form.resize(size);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(form.Chart1().geometry(), form.rect()) << size.width() << "x" << size.height();
    }
    form.showMaximized();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Chart1().geometry(), form.rect());
    form.showMinimized();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Chart1().geometry(), form.rect());
}

TEST(Form1Test, ShowsTheChosenCaptionExactly) {
    testing::TempFiles files;
    const std::string path =
        files.write(u"d.dat"_s, testing::encodeFile(testing::numberedRecords(1)));
    const char* captions[] = {"plain", "", "draft [*]", "[*][*] two", "  blanks  ", "日本語"};
    for (const char* caption : captions) {
        SCOPED_TRACE(caption);
        Form1 form;
        const auto fields = LaunchFields::split(path + "|other|" + caption + "|1|1|x|y|1");
        ASSERT_FALSE(form.Load(*fields).has_value());
        form.setWindowModified(true);
        form.show();
        ASSERT_NE(form.windowHandle(), nullptr);
        EXPECT_EQ(form.windowHandle()->title(), QString::fromUtf8(caption));
    }
}

}  // namespace
}  // namespace chartview
