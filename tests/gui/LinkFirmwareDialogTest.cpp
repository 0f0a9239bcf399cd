#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "FirmwareFile.h"
#include "FirmwareUpdateDialog.h"
#include "GFTiming.h"
#include "J57Instrument.h"
#include "J57Loader.h"
#include "J57Sim.h"
#include "Profile.h"
#include "ScriptedPrompter.h"
#include "SerialPort.h"
#include "SlmLink.h"

namespace {

namespace fs = std::filesystem;

class LinkFirmwareDialogTest : public ::testing::Test {
protected:
    LinkFirmwareDialogTest()
    {
        platform::SetAppProfile(&profile_);
        sim_.Bind(profile_, 1);
        loader_.Install(sim_);
        // A folder named "Calibration" holding a firmware file and its image.
        folder_ = fs::temp_directory_path() / ("fwdialog" + std::to_string(::getpid())) / "Calibration";
        fs::create_directories(folder_);
        std::ofstream(folder_ / "J57-0571.CVK") << "[UPGRADE]\nCMD=J57-0571-1.234          -END\n";
        std::ofstream(folder_ / "CV8-1234.ROM", std::ios::binary) << std::string(4096 * 128, '\0');
        std::ofstream(folder_ / "J57-0571.cbk") << "VERSION 1\nCALOFFSET -0.5\nBIAS_OS 0\nTEMPOFFSET 0\n"
                                                   "HIGHDYNRANGEOS 0\nCHANWGHTOS 0\n";
    }
    ~LinkFirmwareDialogTest() override
    {
        fs::remove_all(folder_.parent_path());
        platform::SetAppProfile(nullptr);
    }
    QString Text(QDialog& d, const char* name) { return d.findChild<QLabel*>(name)->text(); }

    platform::MemoryProfile profile_;
    comm::ScopedTimeScale scale_{0.2};
    sim::J57Sim sim_;
    sim::J57Instrument j57_{sim_};
    sim::J57Loader loader_;
    fs::path folder_;
    testsupport::ScriptedPrompter prompter_;
};

TEST_F(LinkFirmwareDialogTest, BrowseShowsTheFileAndStartRestoresTheCalibration)
{
    SerialPort port(1);
    ASSERT_EQ(port.Open(), 0);
    SlmLink link(&port);
    FirmwareUpdateDialog dialog;
    dialog.ReadInstrumentInfo(&link);
    EXPECT_EQ(dialog.Model(), "J57");
    EXPECT_EQ(dialog.Serial(), "0571234");
    dialog.show();
    EXPECT_FALSE(dialog.findChild<QPushButton*>("startButton")->isEnabled());

    const std::string firmwareFile = (folder_ / "J57-0571.CVK").string();
    prompter_.ExpectFile(firmwareFile);
    QTest::mouseClick(dialog.findChild<QPushButton*>("browseButton"), Qt::LeftButton);
    EXPECT_EQ(Text(dialog, "fileText").toStdString(), (folder_ / "CV8-1234.ROM").string() + " (Version: 1.234)");
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("applyFirmware")->isChecked());
    EXPECT_TRUE(dialog.findChild<QPushButton*>("startButton")->isEnabled());
    // A build without the firmware key says so before Start, and Start stays.
    const firmware::Key& key = firmware::ProgramKey();
    const bool keyless = std::all_of(key.begin(), key.end(), [](uint8_t byte) { return byte == 0; });
    auto* noKey = dialog.findChild<QLabel*>("noKeyText");
    ASSERT_EQ(noKey != nullptr, keyless);
    if (noKey) {
        EXPECT_TRUE(noKey->isVisible());
        EXPECT_EQ(noKey->text(), "This program was built without the instrument's firmware key: the instrument may "
                                 "refuse the image.");
    }

    prompter_.ExpectFile((folder_ / "J57-0571.cbk").string());
    QTest::mouseClick(dialog.findChild<QPushButton*>("browseButton"), Qt::LeftButton);
    EXPECT_EQ(Text(dialog, "fileText"), "/J57-0571.cbk (Original Calibration Data)");

    prompter_.Expect("Basic Calibration data was installed.", platform::IDOK);
    QTest::mouseClick(dialog.findChild<QPushButton*>("startButton"), Qt::LeftButton);
    EXPECT_EQ(loader_.calWritten.size(), 65u);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(LinkFirmwareDialogTest, FolderFromTheCommandLineLoadsTheDefaultFile)
{
    SerialPort port(1);
    ASSERT_EQ(port.Open(), 0);
    SlmLink link(&port);
    FirmwareUpdateDialog dialog;
    dialog.ReadInstrumentInfo(&link);
    j57_.serial = "S0571";
    dialog.ReadInstrumentInfo(&link);
    dialog.SetFilePath(folder_.string());
    dialog.show();
    // The folder's name holds "Calibration": still a firmware upgrade.
    EXPECT_EQ(Text(dialog, "fileText").toStdString(), (folder_ / "CV8-1234.ROM").string() + " (Version: 1.234)");
    EXPECT_TRUE(dialog.findChild<QPushButton*>("startButton")->isEnabled());
}

}  // namespace
