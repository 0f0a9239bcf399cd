// The connection as the user meets it: the Connect button of the toolbar,
// the dialog it opens, the texts of ports that will not open, and the status
// bar's connection pane.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "CommandIds.h"
#include "ConnectDialog.h"
#include "GFSerial.h"
#include "ShellSetupSimSupport.h"

namespace {

namespace fs = std::filesystem;

int RefuseWithPermissionDenied(const char*, int)
{
    errno = EACCES;
    return -1;
}

class UseConnectionTest : public ::testing::Test, protected shelltest::SimShell {
protected:
    void SetUp() override { ASSERT_TRUE(f.Start()); }
    void TearDown() override { comm::SetOpenFunction(nullptr); }

    void ClickToolbar(int id) { shelltest::ClickToolbarButton(f.Frame(), id); }

    // Connect on the toolbar; in the dialog, the port of that row and its
    // Connect button. Keeps the dialog's status text; closes a dialog that
    // stays open.
    void ConnectThroughToolbar(int portRow)
    {
        QTimer::singleShot(0, [this, portRow] {
            auto* dialog = qobject_cast<ConnectDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QComboBox*>("portCombo")->setCurrentIndex(portRow);
            QTest::mouseClick(dialog->findChild<QPushButton*>("connectButton"), Qt::LeftButton);
            status = dialog->findChild<QLabel*>("statusText")->text();
            stayedOpen = dialog->isVisible();
            if (stayedOpen)
                QTest::mouseClick(dialog->findChild<QPushButton*>("closeButton"), Qt::LeftButton);
        });
        ClickToolbar(cmd::Connect);
    }

    QString Pane() { return f.Frame().statusBar()->findChild<QLabel*>("connectionPane")->text(); }

    QString status;
    bool stayedOpen = false;
};

// A port whose device is missing, and one the user may not open: the dialog
// stays open and says which device and why.
TEST_F(UseConnectionTest, APortThatWillNotOpenNamesItsDeviceAndTheReason)
{
    const fs::path device = fs::temp_directory_path() / ("j57port" + std::to_string(::getpid()));
    std::ofstream(device) << "";
    f.profile.WriteProfileString("Ports", "COM2", device.string());
    f.profile.WriteProfileString("Ports", "COM3", "/nonexistent/ttyJ57");
    struct Case {
        int row;
        bool refuse;
        std::string portText;
        std::string reason;
    };
    const Case cases[] = {
        {2, false, "COM3 (/nonexistent/ttyJ57)", "the device does not exist."},
        {1, true, "COM2 (" + device.string() + ")", "permission denied."},
    };
    for (const Case& c : cases) {
        comm::SetOpenFunction(c.refuse ? RefuseWithPermissionDenied : nullptr);
        ConnectThroughToolbar(c.row);
        EXPECT_TRUE(stayedOpen) << c.portText;
        EXPECT_TRUE(status.contains(QString::fromStdString(c.portText + ": " + c.reason))) << status.toStdString();
        EXPECT_EQ(status.contains("dialout"), c.refuse) << status.toStdString();
        EXPECT_FALSE(f.Doc().IsConnected());
    }
    fs::remove(device);
}

// Not connected, connected with the instrument's model, serial and port, an
// instrument that stopped answering, and the connection dropped by a failed
// connect.
TEST_F(UseConnectionTest, TheStatusBarShowsTheConnection)
{
    EXPECT_EQ(Pane(), "Not Connected");
    ConnectThroughToolbar(0);
    ASSERT_TRUE(f.Doc().IsConnected());
    EXPECT_EQ(Pane(), "Connected: J57 serial S0571234 on COM1");

    sim.SilenceNext(1000);
    f.prompter.Expect(platform::IDOK).Expect(platform::IDOK).Expect(platform::IDOK);
    ClickToolbar(cmd::DownloadView);
    EXPECT_EQ(Pane(), "No answer from the J57 on COM1");

    f.profile.WriteProfileString("Ports", "COM3", "/nonexistent/ttyJ57");
    ConnectThroughToolbar(2);
    EXPECT_FALSE(f.Doc().IsConnected());
    EXPECT_EQ(Pane(), "Not Connected");
}

}  // namespace
