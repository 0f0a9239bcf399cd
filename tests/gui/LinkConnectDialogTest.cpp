#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "ConnectDialog.h"
#include "GFTiming.h"
#include "J57Instrument.h"
#include "J57Sim.h"
#include "LinkResultText.h"
#include "Profile.h"
#include "SerialPort.h"
#include "SlmLink.h"

namespace {

// The document's connect as far as the dialog sees it, over the simulator.
class SimConnect : public ConnectTarget {
public:
    int ConnectInstrument(int portNumber, int baudRate) override
    {
        link.reset();
        port = std::make_unique<SerialPort>(portNumber);
        dialog->SetStatusText("Connecting...");
        int result = port->Open();
        if (result == 0) {
            link = std::make_unique<SlmLink>(port.get());
            link->Connect(baudRate);
            result = link->WaitReady();
        }
        if (result != 0) {
            dialog->SetStatusText(LinkResultText(result));
            link.reset();
            return result;
        }
        dialog->SetSerialText(link->GetSerialNumber());
        dialog->SetRevisionText(link->GetFirmwareRevision());
        dialog->SetStatusText("Connected");
        dialog->SetModelText(link->GetIdentification());
        return 0;
    }
    ConnectDialog* dialog = nullptr;
    std::unique_ptr<SerialPort> port;
    std::unique_ptr<SlmLink> link;
};

class LinkConnectDialogTest : public ::testing::Test {
protected:
    LinkConnectDialogTest() { platform::SetAppProfile(&profile_); }
    ~LinkConnectDialogTest() override { platform::SetAppProfile(nullptr); }

    QString Text(ConnectDialog& d, const char* name) { return d.findChild<QLabel*>(name)->text(); }

    platform::MemoryProfile profile_;
    comm::ScopedTimeScale scale_{0.2};
    sim::J57Sim sim_;
    sim::J57Instrument j57_{sim_};
    SimConnect doc_;
};

TEST_F(LinkConnectDialogTest, ConnectShowsTheInstrumentAndStoresTheChoice)
{
    sim_.Bind(profile_, 3);
    profile_.WriteProfileInt("Defaults", "ComPort", 3);
    profile_.WriteProfileInt("Defaults", "Baud", 1);
    ConnectDialog dialog(&doc_, "", " Not Connected");
    doc_.dialog = &dialog;
    dialog.show();
    EXPECT_EQ(dialog.findChild<QComboBox*>("portCombo")->currentText(),
              QString::fromStdString("COM3 (" + sim_.SlavePath() + ")"));
    EXPECT_EQ(dialog.findChild<QComboBox*>("baudCombo")->currentText(), "19200");
    QTest::mouseClick(dialog.findChild<QPushButton*>("connectButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Text(dialog, "statusText"), "Connected");
    EXPECT_EQ(Text(dialog, "serialValue"), "S0571234");
    EXPECT_EQ(Text(dialog, "serialLabel"), "Serial ");
    EXPECT_EQ(Text(dialog, "revisionValue"), "1.07");
    EXPECT_EQ(Text(dialog, "modelValue"), "Morvek-Audio Model J57");
    EXPECT_EQ(doc_.port->GetBaud(), 19200);
    EXPECT_EQ(profile_.GetProfileInt("Defaults", "ComPort", 0), 3);
    EXPECT_EQ(profile_.GetProfileInt("Defaults", "Baud", -1), 1);
}

TEST_F(LinkConnectDialogTest, SilentInstrumentLeavesTheDialogOpenWithTheReason)
{
    sim_.Bind(profile_, 1);
    sim_.SilenceNext(1000);
    ConnectDialog dialog(&doc_);
    doc_.dialog = &dialog;
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("connectButton"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Text(dialog, "statusText"), "No response from instrument");
    EXPECT_EQ(Text(dialog, "serialLabel"), "");
    EXPECT_EQ(profile_.GetProfileInt("Defaults", "ComPort", 0), 0);
}

TEST_F(LinkConnectDialogTest, ProfileOutOfRangeSelectsTheFirstEntriesAndFastRateWarns)
{
    profile_.WriteProfileInt("Defaults", "ComPort", 10);
    profile_.WriteProfileInt("Defaults", "Baud", 5);
    ConnectDialog dialog(nullptr);
    dialog.show();
    auto* baud = dialog.findChild<QComboBox*>("baudCombo");
    EXPECT_EQ(dialog.findChild<QComboBox*>("portCombo")->currentText(), "COM1 (/dev/ttyS0)");
    EXPECT_EQ(baud->currentText(), "9600");
    EXPECT_FALSE(dialog.findChild<QLabel*>("baudWarning1")->isVisible());
    baud->setCurrentIndex(4);
    EXPECT_TRUE(dialog.findChild<QLabel*>("baudWarning1")->isVisible());
    EXPECT_TRUE(dialog.findChild<QLabel*>("baudWarning2")->isVisible());
    EXPECT_EQ(ConnectDialog::BaudForIndex(4), 115200);
    EXPECT_EQ(ConnectDialog::BaudForIndex(7), 9600);
}

// Every port names the device it stands for: the system's serial port, or
// the one the profile's "Ports" section gives it.
TEST_F(LinkConnectDialogTest, EachPortShowsItsDevice)
{
    profile_.WriteProfileString("Ports", "COM2", "/dev/ttyUSB0");
    ConnectDialog dialog(nullptr);
    auto* ports = dialog.findChild<QComboBox*>("portCombo");
    ASSERT_EQ(ports->count(), 9);
    const char* expected[] = {"COM1 (/dev/ttyS0)", "COM2 (/dev/ttyUSB0)", "COM3 (/dev/ttyS2)", "COM9 (/dev/ttyS8)"};
    const int rows[] = {0, 1, 2, 8};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ports->itemText(rows[i]), expected[i]);
}

// The width stays as it was made while the texts change, and the hidden
// warning takes no room.
TEST_F(LinkConnectDialogTest, KeepsItsWidthAndTakesNoRoomForTheHiddenWarning)
{
    ConnectDialog dialog(nullptr);
    dialog.show();
    const QSize first = dialog.size();
    auto* baud = dialog.findChild<QComboBox*>("baudCombo");
    baud->setCurrentIndex(4);
    EXPECT_GT(dialog.height(), first.height());
    baud->setCurrentIndex(0);
    EXPECT_EQ(dialog.size(), first);
    dialog.SetStatusText("Unable to open port\nCOM1 (/dev/ttyS0): permission denied.\nSerial ports belong to the "
                         "'dialout' group: add your user to it (sudo usermod -a -G dialout $USER) and log in again.");
    dialog.SetModelText(std::string(80, 'M'));
    EXPECT_EQ(dialog.width(), first.width());
    EXPECT_GE(dialog.height(), first.height());
}

}  // namespace
