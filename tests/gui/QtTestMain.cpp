// Test main for code that paints: fonts, and for widgets the widgets, need
// an application object. Nothing needs a display, test discovery included.
#ifdef ZENBELTS_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Keep away from the user's own settings and files.
    QStandardPaths::setTestModeEnabled(true);
    TestApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
