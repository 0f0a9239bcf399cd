// The start-up firmware upgrade ("tessavo -upgrade <folder>") against the
// simulated J57 and its loader: every dialog is answered as a user would.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

#include "FirmwareFile.h"
#include "FirmwareUpdateDialog.h"
#include "J57Loader.h"
#include "ShellSetupSimSupport.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kBlock = 128, kBlocks = 4096;

class ShellFirmwareTest : public ::testing::Test, protected shelltest::SimShell {
protected:
    ShellFirmwareTest()
    {
        loader.key = firmware::ProgramKey();
        loader.Install(sim);
        for (size_t i = 0; i < rom.size(); ++i)
            rom[i] = static_cast<uint8_t>((i * 131) ^ (i >> 7));
        // The name in other case than the program asks for: found all the same.
        fs::create_directories(folder);
        std::ofstream(folder / "j57-0571234.cvk") << "[UPGRADE]\nCMD=J57-0571-1.234          -END\n";
        std::ofstream(folder / "CV8-1234.ROM", std::ios::binary)
            .write(reinterpret_cast<const char*>(rom.data()), static_cast<std::streamsize>(rom.size()));
    }
    ~ShellFirmwareTest() override { fs::remove_all(folder); }

    // Blocks 3712 to 3839 are never sent to the loader.
    bool ImageArrived() const
    {
        for (size_t b = 0; b < kBlocks; ++b)
            if ((b < 3712 || b > 3839) && !std::equal(rom.begin() + b * kBlock, rom.begin() + (b + 1) * kBlock,
                                                       loader.image.begin() + b * kBlock))
                return false;
        return true;
    }

    // Answers each modal dialog once as it comes up: Connect, then the
    // firmware dialog's Start with "Apply Firmware" as it was offered. What
    // stays open afterwards, or any other dialog, is closed.
    void DriveDialogs()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !handled.insert(dialog).second)
                return;
            if (auto* firmware = qobject_cast<FirmwareUpdateDialog*>(dialog)) {
                fileText = firmware->findChild<QLabel*>("fileText")->text().toStdString();
                applyOffered = firmware->findChild<QCheckBox*>("applyFirmware")->isChecked();
                firmware->findChild<QPushButton*>("startButton")->click();
                firmwareShown = true;
            } else if (auto* connect = dialog->findChild<QPushButton*>("connectButton")) {
                connect->click();
            }
            if (dialog->isVisible())
                dialog->reject();
        });
        timer.start(10);
    }

    sim::J57Loader loader;
    QTimer timer;
    std::vector<uint8_t> rom = std::vector<uint8_t>(kBlocks * kBlock);
    fs::path folder = fs::temp_directory_path() / ("shellfw" + std::to_string(::getpid()));
    std::set<QDialog*> handled;
    bool firmwareShown = false, applyOffered = false;
    std::string fileText;
};

TEST_F(ShellFirmwareTest, UpgradeFromTheCommandLineConnectsPurgesUpgradesAndEnds)
{
    j57.files.push_back({"info", "data"});
    f.prompter.Expect("WARNING: Instrument has data.  Purge all data and continue?", platform::IDOK);
    DriveDialogs();
    // Failure: the program ends without entering its message loop.
    EXPECT_FALSE(f.Start({"-upgrade", folder.string()}));

    EXPECT_TRUE(f.Doc().IsConnected());
    EXPECT_EQ(f.prompter.Pending(), 0u);
    EXPECT_TRUE(Sent("M7,2"));
    EXPECT_TRUE(j57.files.empty());
    ASSERT_TRUE(firmwareShown);
    EXPECT_EQ(fileText, (folder / "CV8-1234.ROM").string() + " (Version: 1.234)");
    EXPECT_TRUE(applyOffered);
    EXPECT_EQ(loader.version, "1.234");
    EXPECT_TRUE(ImageArrived());
    EXPECT_TRUE(loader.rebooted);
}

}  // namespace
