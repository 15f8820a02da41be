// Test main for suites that drive real widgets: one QApplication on the
// offscreen platform (unless the caller chose another), then GoogleTest.
// Windows started by tests never read or write the user's saved settings
// (a test of them points the store elsewhere and lifts this itself).
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("TANKORA_SETTINGS"))
        qputenv("TANKORA_SETTINGS", "none");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
