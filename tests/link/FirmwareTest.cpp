#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "FirmwareFile.h"
#include "GFCrc16.h"
#include "FirmwareUpdater.h"
#include "J57Instrument.h"
#include "J57Loader.h"
#include "ScriptedPrompter.h"
#include "SimFixture.h"
#include "SlmLink.h"

namespace {

firmware::Key TestKey()
{
    firmware::Key key;
    for (size_t i = 0; i < key.size(); ++i)
        key[i] = static_cast<uint8_t>(i * 37 + 11);
    return key;
}

// A ROM image with a recognisable body and block 5 erased (all 0xFF once
// both XOR steps are done).
std::vector<uint8_t> MakeRom(const firmware::Key& key)
{
    std::vector<uint8_t> rom(4096 * 128);
    for (size_t i = 0; i < rom.size(); ++i)
        rom[i] = static_cast<uint8_t>((i * 131) ^ (i >> 7));
    for (int i = 0; i < 128; ++i)
        rom[5 * 128 + static_cast<size_t>(i)] = static_cast<uint8_t>(0xFF ^ ((i + 1) & 0xF0) ^ key[static_cast<size_t>(i)]);
    return rom;
}

std::string WriteTemp(const std::string& text, const char* suffix = "")
{
    char path[] = "/tmp/fwtestXXXXXX";
    close(mkstemp(path));
    std::string name = std::string(path) + suffix;
    std::rename(path, name.c_str());
    std::ofstream(name, std::ios::binary) << text;
    return name;
}

TEST(FirmwareFileTest, ModelCodesAndCommandLines)
{
    const std::pair<const char*, char> codes[] = {{"J05", '0'}, {"J08", '6'}, {"J17", '1'}, {"J33", '2'}, {"J46", '7'},
                                                  {"J57", '8'}, {"J59", '4'}, {"J61", '5'}, {"J68", '3'}};
    for (const auto& [model, code] : codes)
        EXPECT_EQ(firmware::ModelCode(model), code) << model;

    auto entry = firmware::ParseCommandLine("CMD=J57-0571-1.234          -END");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->model, "J57");
    EXPECT_EQ(entry->serial, "0571");
    EXPECT_EQ(entry->version, "1.234");
    EXPECT_EQ(firmware::RomImageName(entry->model, entry->version), "CV8-1234.ROM");
    for (const char* bad : {"CMD J57-0571-1.234          -END", "CMD=J57-0571-1.234           END", "CMD=J57", ""})
        EXPECT_FALSE(firmware::ParseCommandLine(bad)) << bad;
}

TEST(FirmwareFileTest, LoaderRecords)
{
    const auto key = TestKey();
    const auto rom = MakeRom(key);
    auto record = [&](int b) { return firmware::LoaderRecord(b, rom.data() + b * 128, key); };
    for (int b : {3712, 3800, 3839})
        EXPECT_TRUE(record(b).empty()) << b;
    const auto r3841 = record(3841);
    ASSERT_EQ(r3841.size(), 133u);
    EXPECT_EQ(r3841[0], 'R');
    EXPECT_EQ((std::vector<int>{r3841[1], r3841[2], r3841[3]}), (std::vector<int>{0, 128, 128}));
    const auto r300 = record(300);  // page 2, address 150 % 64 + 64, even
    EXPECT_EQ((std::vector<int>{r300[1], r300[2], r300[3]}), (std::vector<int>{2, 86, 0}));
    const auto erased = record(5);
    ASSERT_EQ(erased.size(), 5u);
    EXPECT_EQ(erased[0], 'E');
    for (const auto& r : {r3841, erased}) {
        unsigned sum = 0;
        for (size_t i = 1; i < r.size(); ++i)
            sum += r[i];
        EXPECT_EQ(sum & 0xFF, 0u);
    }
}

TEST(FirmwareFileTest, CalibrationFieldEncodings)
{
    uint8_t p[2];
    firmware::SetLevel(p, -0.5);
    EXPECT_EQ((std::vector<int>{p[0], p[1]}), (std::vector<int>{255, 128}));
    EXPECT_DOUBLE_EQ(firmware::GetLevel(p), -0.5);
    firmware::SetLevel(p, 3.75);
    EXPECT_EQ((std::vector<int>{p[0], p[1]}), (std::vector<int>{3, 192}));
    for (double dB : {6.0, 10.0}) {
        firmware::SetGain(p, dB);
        EXPECT_EQ(p[0] << 8 | p[1], 32690) << dB;
    }
    firmware::CalibrationValues v;
    v.channelWeightOffset = 1.0 + 3.0 / 256;  // low byte 3: its lowest bit is cleared
    uint8_t block[63] = {};
    firmware::ApplyCalibration(block, v);
    EXPECT_EQ(block[42], 2);
    EXPECT_EQ(block[11], 2);
}

TEST(FirmwareFileTest, CalibrationFiles)
{
    const std::string good = "version 2\n  caloffset -0.5 \n\nBIAS_OS 1.25\nTEMPOFFSET 0\nHIGHDYNRANGEOS 10\n"
                             "CHANWGHTOS 0.5\nCOMMENT ignored\n";
    const std::string path = WriteTemp(good, ".cbk");
    firmware::CalibrationValues v;
    std::string message;
    ASSERT_TRUE(firmware::ReadCalibrationFile(path, v, message)) << message;
    EXPECT_EQ(v.version, 2);
    EXPECT_DOUBLE_EQ(v.calOffset, -0.5);
    EXPECT_DOUBLE_EQ(v.highDynRangeOffset, 10);

    const struct {
        std::string text;
        std::string message;
    } bad[] = {
        {"VERSION 2\nCALOFFSET\n", "Invalid parameter CALOFFSET in Calibration File "},
        {"VERSION 2\nCALOFFSET 1\n", "Missing parameter BIAS_OS in Calibration File "},
    };
    for (const auto& b : bad) {
        std::ofstream(path, std::ios::binary) << b.text;
        EXPECT_FALSE(firmware::ReadCalibrationFile(path, v, message));
        EXPECT_EQ(message, b.message + path);
    }
    std::remove(path.c_str());
    EXPECT_FALSE(firmware::ReadCalibrationFile(path, v, message));
    EXPECT_EQ(message, "Could not open Calibration File " + path);
}

// The window as the sequences see it.
struct FakeUi : FirmwareUi {
    void SetStatus(const std::string& text) override { status.push_back(text); }
    void SetProgressRange(int, int) override {}
    void SetProgressPos(int p) override { position = p; }
    void StepProgress() override { ++position; }
    void EnableWindow(bool on) override { enabled = on; }
    void Pump() override {}
    bool IsCancelled() const override { return cancelled; }
    void Cancel() override { cancelled = true; }
    std::vector<std::string> status;
    int position = 0;
    bool enabled = true;
    bool cancelled = false;
};

class FirmwareUpdateTest : public SimFixture {
protected:
    FirmwareUpdateTest()
    {
        loader_.key = key_;
        loader_.Install(sim_);
        std::string bytes(rom_.begin(), rom_.end());
        romPath_ = WriteTemp(bytes, ".ROM");
    }
    ~FirmwareUpdateTest() override { std::remove(romPath_.c_str()); }

    bool ImageMatches()
    {
        for (size_t b = 0; b < 4096; ++b)
            if ((b < 3712 || b > 3839) &&
                !std::equal(rom_.begin() + b * 128, rom_.begin() + b * 128 + 128, loader_.image.begin() + b * 128))
                return false;
        return true;
    }

    firmware::Key key_ = TestKey();
    std::vector<uint8_t> rom_ = MakeRom(key_);
    std::string romPath_;
    sim::J57Instrument j57_{sim_};
    sim::J57Loader loader_;
    SlmLink link_{&port_};
    FakeUi ui_;
    FirmwareUpdater updater_{&link_, ui_, key_};
    testsupport::ScriptedPrompter prompter_;
};

TEST_F(FirmwareUpdateTest, FullUpgradeArrivesAsTheImage)
{
    loader_.refuseRecord = 100;  // answered 'N' once: sent again
    ASSERT_TRUE(updater_.Upgrade(romPath_, "1.234"));
    EXPECT_EQ(loader_.version, "1.234");
    EXPECT_EQ(loader_.records.size(), 3968u);
    EXPECT_TRUE(ImageMatches());
    EXPECT_EQ(loader_.records[5].letter, 'E');
    const auto& r3841 = loader_.records[3713];
    EXPECT_EQ((std::vector<int>{r3841.page, r3841.address, r3841.half}), (std::vector<int>{0, 128, 128}));
    EXPECT_TRUE(loader_.rebooted);
    EXPECT_EQ(ui_.status.back(), "Successful!  Rebooting instrument...");
    EXPECT_NE(std::find(ui_.status.begin(), ui_.status.end(), "Block 4096 of 4096 (1 Retries)"), ui_.status.end());
    EXPECT_TRUE(ui_.enabled);
    EXPECT_TRUE(prompter_.Boxes().empty());
}

// A failure before the copy to flash sends the loader its abort, so that the
// instrument answers the next command at once instead of after the loader's
// own time-out; the message says what failed.
TEST_F(FirmwareUpdateTest, FailuresBeforeTheCopyLeaveTheLoaderAndTheNextCommandIsAnswered)
{
    struct Case {
        const char* name;
        std::function<void(sim::J57Loader&)> fault;
        const char* message;
    };
    const Case cases[] = {
        {"checksum", [](sim::J57Loader& l) { l.badChecksum = true; },
         "The firmware image was not accepted (checksum error). The instrument keeps its old firmware."},
        {"erase refused", [](sim::J57Loader& l) { l.refuseErase = true; },
         "The instrument could not erase its flash memory. The instrument keeps its old firmware."},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Eventually([this] { return !sim_.InSession(); }));
        loader_ = sim::J57Loader();
        loader_.key = key_;
        c.fault(loader_);
        ui_ = FakeUi();
        prompter_.Expect(c.message, platform::IDOK);
        EXPECT_FALSE(updater_.Upgrade(romPath_, "1.234")) << c.name;
        EXPECT_FALSE(ui_.cancelled) << c.name;
        EXPECT_EQ(prompter_.LastText(), c.message) << c.name;
        EXPECT_TRUE(ui_.enabled) << c.name;
        EXPECT_TRUE(Eventually([this] { return loader_.aborted; })) << c.name;
        std::string reply;
        EXPECT_EQ(link_.SendCommand("R1", &reply, 25, 2), 0) << c.name;
        EXPECT_FALSE(loader_.rebooted) << c.name;
    }
}

TEST_F(FirmwareUpdateTest, SixRefusalsInARowCancel)
{
    loader_.refuseRecord = 7;
    loader_.refuseAlways = true;
    EXPECT_FALSE(updater_.Upgrade(romPath_, "1.234"));
    EXPECT_TRUE(ui_.cancelled);
    EXPECT_TRUE(prompter_.Boxes().empty());
    EXPECT_EQ(loader_.records.size(), 7u);
    EXPECT_TRUE(Eventually([this] { return loader_.aborted; }));
    std::string reply;
    EXPECT_EQ(link_.SendCommand("R1", &reply, 25, 2), 0);
}

TEST_F(FirmwareUpdateTest, AFailedCopyKeepsTheFlashMessage)
{
    loader_.failedCopies = 5;
    prompter_.Expect("Error copying flash ROM.  Contact Morvek Audio technical support.", platform::IDOK);
    EXPECT_FALSE(updater_.Upgrade(romPath_, "1.234"));
    EXPECT_FALSE(ui_.cancelled);
    EXPECT_FALSE(loader_.aborted);
}

TEST_F(FirmwareUpdateTest, FailedCopyIsRetried)
{
    loader_.failedCopies = 1;
    EXPECT_TRUE(updater_.Upgrade(romPath_, "1.234"));
    EXPECT_NE(std::find(ui_.status.begin(), ui_.status.end(), "Error copying flash - retrying..."), ui_.status.end());
}

TEST_F(FirmwareUpdateTest, AWrongSizedImageIsRefusedBeforeAnythingIsSent)
{
    std::ofstream(romPath_, std::ios::binary) << std::string(1000, 'x');
    prompter_.Expect("is not a valid firmware image", platform::IDOK);
    EXPECT_FALSE(updater_.Upgrade(romPath_, "1.234"));
    EXPECT_TRUE(sim_.Received().empty());
}

TEST_F(FirmwareUpdateTest, FastLinkIsLoweredTo57600AndRestored)
{
    ASSERT_EQ(port_.SetBaud(115200), 0);
    ASSERT_TRUE(updater_.Start(false, romPath_, "1.234", {}));
    std::vector<std::string> rateCommands;
    for (const auto& command : sim_.Commands())
        if (command.rfind("S2283,", 0) == 0)
            rateCommands.push_back(command);
    EXPECT_EQ(rateCommands, (std::vector<std::string>{"S2283,6", "S2283,7"}));
    EXPECT_EQ(port_.GetBaud(), 115200);
    EXPECT_EQ(ui_.status.front(), "Temporarily reducing Baud rate to 57600...");
}

TEST_F(FirmwareUpdateTest, At19200TheLinkIsNotLoweredButConnectedAgain)
{
    ASSERT_EQ(port_.SetBaud(19200), 0);
    ASSERT_TRUE(updater_.Start(false, romPath_, "1.234", {}));
    std::vector<std::string> rateCommands;
    for (const auto& command : sim_.Commands())
        if (command.rfind("S2283,", 0) == 0)
            rateCommands.push_back(command);
    EXPECT_EQ(rateCommands, std::vector<std::string>{"S2283,4"});
    EXPECT_EQ(port_.GetBaud(), 19200);
}

TEST_F(FirmwareUpdateTest, CalibrationRestoreWritesTheFields)
{
    for (size_t i = 0; i < 63; ++i)
        loader_.calBlock[i] = static_cast<uint8_t>(100 + i);
    firmware::CalibrationValues v;
    v.calOffset = -0.5;
    v.highDynRangeOffset = 10;
    prompter_.Expect("Basic Calibration data was installed.", platform::IDOK);
    ASSERT_TRUE(updater_.RestoreCalibration(v));
    const std::string& w = loader_.calWritten;
    ASSERT_EQ(w.size(), 65u);
    auto byte = [&](size_t i) { return static_cast<uint8_t>(w[i]); };
    EXPECT_EQ((std::vector<int>{byte(1), byte(3), byte(4), byte(9), byte(10), byte(11), byte(12)}),
              (std::vector<int>{1, 255, 128, 1, 0, 2, 0}));
    EXPECT_EQ(byte(39) << 8 | byte(40), 32690);
    EXPECT_EQ(byte(20), 120);  // untouched
    uint16_t crc = GFCrc16::CalculateBlock(w.data() + 1, 62, 0xCA53);
    EXPECT_EQ(byte(63) << 8 | byte(64), crc);
}

// The verdict on the restored block comes a while after the answer to its
// last packet, once the instrument has checked the whole block.
TEST_F(FirmwareUpdateTest, CalibrationRestoreWaitsForTheVerdict)
{
    loader_.calReceiver.verdictDelayMs = 50;
    prompter_.Expect("Basic Calibration data was installed.", platform::IDOK);
    EXPECT_TRUE(updater_.RestoreCalibration({}));
    EXPECT_EQ(loader_.calWritten.size(), 65u);
}

TEST_F(FirmwareUpdateTest, CalibrationCrcFaults)
{
    loader_.badInnerCrc = true;
    prompter_.Expect("Basic Calibration data was installed.", platform::IDOK);
    EXPECT_TRUE(updater_.RestoreCalibration({}));
    EXPECT_NE(std::find(ui_.status.begin(), ui_.status.end(), "CRC mismatch - using anyway"), ui_.status.end());

    loader_.badInnerCrc = false;
    loader_.badOuterCrc = true;
    prompter_.Expect("Failure to read original Cal Block, check connections", platform::IDOK);
    EXPECT_FALSE(updater_.RestoreCalibration({}));
}

}  // namespace
