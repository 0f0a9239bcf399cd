// The GUI tests share one QApplication, on the offscreen platform unless the
// environment names another (to watch a test run on a screen).
#include <gtest/gtest.h>

#include <QApplication>

#include "TestEnvironment.h"

int main(int argc, char** argv)
{
    testsupport::SetTestEnvironment();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Morvek-Audio");
    QApplication::setApplicationName("J57 Utility");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
