// The GUI tests share one QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Morvek-Audio");
    QApplication::setApplicationName("J57 Utility");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
