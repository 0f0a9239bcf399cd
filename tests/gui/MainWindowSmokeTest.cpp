#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "MainWindow.h"

TEST(MainWindowSmoke, OpensAndClosesWithItsTitle)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "J57 Utility");
    EXPECT_TRUE(window.close());
}
