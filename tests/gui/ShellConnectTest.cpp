// Connecting to the instrument through the document and the Connect dialog,
// against the simulated J57.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "CSdiView.h"
#include "CommandIds.h"
#include "GFTiming.h"
#include "J57Instrument.h"
#include "J57Setups.h"
#include "J57Sim.h"
#include "ShellTestSupport.h"
#include "SlmLink.h"

namespace {

class ConnectTest : public ::testing::Test {
protected:
    ConnectTest() : scale(shelltest::kSimPauseScale, shelltest::kSimAnswerScale) { sim.Bind(f.profile, 1); }
    void SetUp() override { ASSERT_TRUE(f.Start()); }

    // File, Connect; the dialog's Connect button with this rate index. A
    // dialog still open afterwards is closed.
    void ConnectThroughDialog(int baudIndex)
    {
        QTimer::singleShot(0, [baudIndex] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QComboBox*>("baudCombo")->setCurrentIndex(baudIndex);
            dialog->findChild<QPushButton*>("connectButton")->click();
            if (dialog->isVisible())
                dialog->reject();
        });
        f.Frame().OnCommand(cmd::Connect);
    }

    shelltest::ShellFixture f;
    comm::ScopedTimeScale scale;
    sim::J57Sim sim;
    sim::J57Instrument j57{sim};
    sim::J57Setups setups{sim};
};

TEST_F(ConnectTest, GoodConnectKeepsPortAndRate)
{
    ConnectThroughDialog(1);
    ASSERT_TRUE(f.Doc().IsConnected());
    EXPECT_EQ(f.Doc().GetBaudRate(), 19200);
    EXPECT_EQ(f.profile.GetProfileInt("Defaults", "ComPort", 0), 1);
    EXPECT_EQ(f.profile.GetProfileInt("Defaults", "Baud", -1), 1);
    EXPECT_EQ(f.Doc().GetActiveSetupName(), "DEFAULT");
    EXPECT_EQ(f.Doc().GetInstrumentSetupType(), 10);
    EXPECT_TRUE(f.Doc().IsActiveInstrumentSetup("default", 10));
    EXPECT_FALSE(f.Doc().IsActiveInstrumentSetup("default", 5));
}

TEST_F(ConnectTest, ConnectInTheSetupViewReloadsTheSystemSetup)
{
    setups.system.replace(9, 5, "12345");
    ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    SetupMgrJ46& list = f.Doc().GetSetupList();
    ASSERT_EQ(list.GetCount(), 1);
    const SetupRec* system = list.GetAt(0);
    EXPECT_EQ(system->GetType(), 1);
    EXPECT_EQ(system->GetOrigin(), 7);
    EXPECT_EQ(system->GetInstrumentId(), "Morvek-Audio Model J57");
    EXPECT_EQ(system->GetRevisionText(), "1.07");
    EXPECT_FLOAT_EQ(system->GetParam207(), 12.5f);
    ASSERT_NE(system->GetSYSSetup(), nullptr);
    EXPECT_EQ(system->GetSYSSetup()->GetSerialNumber(), "12345");
    EXPECT_EQ(f.Doc().GetSdiView()->GetCurrentSetup(), system);

    // A second connect replaces the record rather than adding one.
    ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    EXPECT_EQ(list.GetCount(), 1);
}

TEST_F(ConnectTest, ConnectInAnotherViewReadsNoSetups)
{
    f.Frame().SwitchView(CMainFrame::kDownloadView);
    ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    EXPECT_EQ(f.Doc().GetSetupList().GetCount(), 0);
    for (const std::string& command : sim.Commands())
        EXPECT_NE(command, "&Q2");
}

TEST_F(ConnectTest, InstrumentOfAnotherMakerIsRefused)
{
    j57.identification = "MORVEK-AUDIO Model J57";
    f.prompter.Expect("This utility software is valid for use only with a Morvek Audio Model J57.", platform::IDOK);
    ConnectThroughDialog(0);
    EXPECT_FALSE(f.Doc().IsConnected());
    EXPECT_EQ(f.prompter.Pending(), 0u);
    EXPECT_EQ(f.profile.GetProfileInt("Defaults", "Baud", -1), -1);
}

TEST_F(ConnectTest, OldFirmwareIsRefusedWithItsVersion)
{
    j57.revision = "0.999";
    f.prompter.Expect(platform::IDOK);
    EXPECT_EQ(f.Doc().ConnectInstrument(1, 9600), -202);
    EXPECT_EQ(f.prompter.LastText(),
              "The J57 firmware version  0.999\nis not compatable with J57 Utility software.\n\n"
              "The J57 Utility requires firmware version \n1.000 or greater.");
    EXPECT_FALSE(f.Doc().IsConnected());

    j57.revision = "1.0";
    EXPECT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
}

TEST_F(ConnectTest, IdentificationRule)
{
    struct Case {
        const char* id;
        bool ok;
    } cases[] = {{"Morvek-Audio Model J57", true}, {"Morvek J57", true}, {"MORVEK-Audio Model J57", false},
                 {"Morvek-Audio Model J46", false}, {"Morv", false}};
    for (const Case& c : cases) {
        j57.identification = c.id;
        if (!c.ok)
            f.prompter.Expect(platform::IDOK);
        EXPECT_EQ(f.Doc().ConnectInstrument(1, 9600), c.ok ? 0 : -223) << c.id;
    }
}

TEST_F(ConnectTest, ConnectWhileConnectedDropsTheOldLinkFirst)
{
    ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    // COM2 names no device here: the new attempt fails, and the old link is
    // gone all the same.
    f.profile.WriteProfileString("Ports", "COM2", "/dev/null/none");
    EXPECT_NE(f.Doc().ConnectInstrument(2, 9600), 0);
    EXPECT_FALSE(f.Doc().IsConnected());
}

TEST_F(ConnectTest, ClosingTheProgramSendsNothing)
{
    ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    sim.ClearTranscript();
    f.app.reset();
    EXPECT_EQ(sim.Received(), "");
}

TEST_F(ConnectTest, WithoutAnInstrumentTheDialogShowsTheCodeAndStaysOpen)
{
    sim.SilenceNext(1000);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>("connectButton")->click();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->findChild<QLabel*>("statusText")->text().toStdString(), "No response from instrument");
        dialog->reject();
    });
    f.Frame().OnCommand(cmd::Connect);
    EXPECT_FALSE(f.Doc().IsConnected());
}

}  // namespace

namespace {

TEST_F(ConnectTest, DownloadViewOnlyWithMeasurementsInTheInstrument)
{
    ASSERT_EQ(f.Doc().ConnectInstrument(1, 9600), 0);
    f.prompter.Expect(platform::IDOK);
    f.Frame().OnCommand(cmd::DownloadView);
    EXPECT_EQ(f.prompter.LastText(), "The J57 does not contain any\nmeasurement files.");
    EXPECT_TRUE(f.Doc().IsSetupViewActive());

    j57.active = true;
    f.Frame().OnCommand(cmd::DownloadView);
    EXPECT_TRUE(f.Doc().IsDownloadViewActive());
    EXPECT_EQ(f.prompter.Boxes().size(), 1u);
}

TEST_F(ConnectTest, DownloadViewWithoutALinkAsksToConnectFirst)
{
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    f.Frame().OnCommand(cmd::DownloadView);
    EXPECT_FALSE(f.Doc().IsConnected());
    EXPECT_TRUE(f.Doc().IsSetupViewActive());
}

}  // namespace
