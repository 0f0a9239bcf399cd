#include "FirmwareUpdater.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "CheckCharacter.h"
#include "Clock.h"
#include "GFCrc16.h"
#include "GFTiming.h"
#include "Prompter.h"
#include "SerialPort.h"
#include "SetupDirList.h"
#include "SlmLink.h"

namespace {
constexpr uint8_t kEsc = 27, kAck = 6, kNak = 21, kCan = 24;
constexpr const char* kFlashError = "Error copying flash ROM.  Contact Morvek Audio technical support.";
constexpr const char* kChecksumError =
    "The firmware image was not accepted (checksum error). The instrument keeps its old firmware.";
constexpr const char* kEraseError =
    "The instrument could not erase its flash memory. The instrument keeps its old firmware.";
}  // namespace

FirmwareUpdater::FirmwareUpdater(SlmLink* link, FirmwareUi& ui, const firmware::Key& key)
    : link_(link), port_(link ? link->GetPort() : nullptr), ui_(ui), key_(key)
{
}

void FirmwareUpdater::Pause(double seconds)
{
    const int64_t end = platform::Clock::NowMs() + comm::ScaledMs(seconds);
    do {
        ui_.Pump();
        platform::WaitMs(std::min<int64_t>(10, std::max<int64_t>(0, end - platform::Clock::NowMs())));
    } while (platform::Clock::NowMs() < end);
}

int FirmwareUpdater::ReadChar(int seconds)
{
    int wait = seconds;
    int c = port_->ReadChar(&wait);
    return wait == 0 ? c : -1;
}

void FirmwareUpdater::Escape()
{
    const uint8_t bytes[] = {kEsc, kEsc, kEsc, '\r'};
    port_->WriteBlock(bytes, sizeof bytes);
}

bool FirmwareUpdater::PromptHandshake(int count)
{
    for (int i = 0; i < count; ++i) {
        port_->WriteBlock("\r", 1);
        Pause(0.1);
        if (ReadChar() != 'R')
            return false;
    }
    return true;
}

bool FirmwareUpdater::Start(bool calibration, const std::string& romPath, const std::string& version,
                            const firmware::CalibrationValues& values)
{
    if (!link_ || !port_)
        return false;
    const int former = port_->GetBaud();
    if (former > 57600) {
        ui_.SetStatus("Temporarily reducing Baud rate to 57600...");
        link_->Connect(57600);
    }
    bool ok = calibration ? RestoreCalibration(values) : Upgrade(romPath, version);
    if (former != 9600)
        link_->Connect(former);
    return ok;
}

bool FirmwareUpdater::Upgrade(const std::string& romPath, const std::string& version)
{
    platform::WaitCursor cursor;
    // The whole image is checked before the instrument is touched.
    std::ifstream in(romPath, std::ios::binary);
    std::vector<uint8_t> rom((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || rom.size() != static_cast<size_t>(firmware::kBlocks * firmware::kBlockSize)) {
        cursor.Restore();
        platform::AppPrompter().Message("The ROM file " + romPath + " is not a valid firmware image.",
                                        platform::Icon::Error);
        return false;
    }
    ui_.SetProgressRange(0, kProgressEnd);
    ui_.SetProgressPos(0);
    link_->Sync();
    const std::string command = "S2633, " + version;
    const std::string frame = command + slm::CheckCharacter(command) + "\r\n";
    port_->WriteBlock(frame.data(), static_cast<int>(frame.size()));
    Pause(3.0);
    ReadChar();
    const char* failure = kFlashError;
    bool ok = PromptHandshake(5) && UploadRom(rom) && PromptHandshake(2);
    if (ok && !VerifyChecksum()) {
        ok = false;
        failure = kChecksumError;
    }
    ok = ok && PromptHandshake(2);
    ui_.EnableWindow(false);
    if (ok && !ProgramCommand()) {
        ok = false;
        failure = kEraseError;
    }
    // Until the copy to flash begins the loader takes ESC ESC ESC CR as an
    // abort; without it the loader waits for its own time-out and the
    // instrument answers no command meanwhile. The old firmware stays.
    if (!ok)
        Escape();
    else
        ok = CopyToFlash();
    if (!ok && !ui_.IsCancelled()) {
        cursor.Restore();
        platform::AppPrompter().Message(failure, platform::Icon::Error);
    }
    ui_.EnableWindow(true);
    return ok;
}

bool FirmwareUpdater::UploadRom(const std::vector<uint8_t>& rom)
{
    int done = 0, failures = 0;
    long retries = 0;
    for (int block = 0; block < firmware::kBlocks && !ui_.IsCancelled(); ++block) {
        auto record = firmware::LoaderRecord(block, rom.data() + block * firmware::kBlockSize, key_);
        int answer = 'A';
        if (!record.empty()) {
            port_->WriteBlock(record.data(), static_cast<int>(record.size()));
            answer = ReadChar();
        }
        if (answer == 'A') {
            ++done;
            failures = 0;
            ui_.StepProgress();
        } else {
            ++retries;
            if (++failures >= 6) {
                ui_.Cancel();
                break;
            }
            --block;  // the same block again
        }
        if (!ui_.IsCancelled()) {
            char text[64];
            if (retries)
                std::snprintf(text, sizeof text, "Block %d of 4096 (%ld Retries)", done, retries);
            else
                std::snprintf(text, sizeof text, "Block %d of 4096", done);
            ui_.SetStatus(text);
        }
    }
    return done == firmware::kBlocks;
}

bool FirmwareUpdater::VerifyChecksum()
{
    ui_.SetStatus("Verifying Checksum...");
    port_->FlushBoth();
    port_->WriteBlock("C", 1);
    for (int i = 0; i < 5 && port_->RXCount() == 0; ++i)
        Pause(1.0);
    uint8_t reply[4];
    return port_->ReadBlock(reply, 4) == 0 && reply[2] == '0' && reply[3] == '0';
}

bool FirmwareUpdater::ProgramCommand()
{
    port_->FlushBoth();
    int answers = 0, c;
    do {
        port_->WriteBlock("P", 1);
        c = ReadChar();
        ++answers;
    } while (c == 'p' && answers < 10);
    return answers == 5 && c == 255;
}

bool FirmwareUpdater::CopyToFlash()
{
    for (int attempt = 0; attempt < 5 && !ui_.IsCancelled(); ++attempt) {
        ui_.SetStatus("Copying to FLASH memory !!! DO NOT DISCONNECT DURING THIS OPERATION !!!");
        ui_.SetProgressPos(0);
        int errors = 0, c = -1;
        for (int n = 0; n < kFlashCharLimit; ++n) {
            c = ReadChar();
            if (c < 0 || c == kEsc)
                break;
            if (c != 'A')
                ++errors;
            ui_.StepProgress();
            ui_.Pump();
        }
        if (c == kEsc && errors == 0 && ReadChar() == kEsc) {
            port_->FlushBoth();
            ui_.SetProgressPos(kProgressEnd + 1);
            ui_.SetStatus("Successful!  Rebooting instrument...");
            const uint8_t reboot[] = {'S', kEsc, kEsc, kEsc, kEsc};
            port_->WriteBlock(reboot, sizeof reboot);
            for (int i = 0; i < kRebootBreaks; ++i) {
                if (port_->RXCount() > 0)
                    return true;
                Pause(0.5);
                port_->SendBreak(300);
            }
            return port_->RXCount() > 0;
        }
        ui_.SetStatus("Error copying flash - retrying...");
        Pause(1.0);
        for (int i = 0; i < 5; ++i) {
            port_->FlushBoth();
            port_->WriteBlock("R", 1);
            Pause(1.0);
            if (ReadChar() == 'A')
                break;
        }
    }
    return false;
}

bool FirmwareUpdater::ReadCalBlock()
{
    port_->FlushBoth();
    if (port_->Serial())
        port_->Serial()->PutString("&Q1(\r\r");
    Pause(0.25);
    char line[16];
    int n = 0;
    if (port_->ReadLine(line, &n, 0, 15) != 0 || std::string(line, static_cast<size_t>(n)).rfind("Recv Binary!", 0) != 0)
        return false;
    Pause(1.0);
    uint8_t frame[71];
    if (port_->ReadBlock(frame, sizeof frame) != 0)
        return false;
    if (GFCrc16::CalculateBlock(frame, 68, 0) != (frame[68] << 8 | frame[69]))
        return false;
    if (GFCrc16::CalculateBlock(frame + 4, 62, 0xCA53) != (frame[66] << 8 | frame[67]))
        ui_.SetStatus("CRC mismatch - using anyway");
    std::copy(frame + 3, frame + 66, calBlock_.begin());
    return true;
}

void FirmwareUpdater::SendCan()
{
    for (int i = 0; i < 3; ++i) {
        const uint8_t can = kCan;
        port_->WriteBlock(&can, 1);
        Pause(0.25);
    }
}

int FirmwareUpdater::WriteCalBlock()
{
    std::vector<uint8_t> data(calBlock_.begin(), calBlock_.end());
    uint16_t crc = GFCrc16::CalculateBlock(calBlock_.data() + 1, 62, 0xCA53);
    data.push_back(static_cast<uint8_t>(crc >> 8));
    data.push_back(static_cast<uint8_t>(crc & 0xFF));
    SetupDirList sender(port_);
    for (int attempt = 1; attempt <= 4; ++attempt) {
        port_->FlushBoth();
        port_->WriteBlock("&S1*\r", 5);
        Pause(0.25);
        char line[16];
        int n = 0;
        port_->ReadLine(line, &n, 0, 15);
        if (std::string(line, static_cast<size_t>(n)).rfind("Send Binary!", 0) != 0) {
            if (attempt == 4) {
                SendCan();
                return -2;
            }
            SendCan();
            continue;
        }
        Pause(0.5);
        if (port_->RXCount() >= 4) {
            sender.SendPackets(data.data(), data.size());
            // The verdict follows the answer to the last packet: counted
            // at once, it is not there yet.
            const int waiting = sender.AwaitVerdict();
            if (waiting < 4 || waiting > 8) {
                port_->FlushInput();
                SendCan();
                return -1;
            }
            uint8_t answer[4];
            port_->ReadBlock(answer, 4);
            if (answer[0] == kAck)
                return 0;
            if (answer[0] == kNak && port_->RXCount() == 4) {
                char text[48];
                std::snprintf(text, sizeof text, "WriteCalBlock Err: %d", answer[1]);
                ui_.SetStatus(text);
            }
        }
        // No ready reply, or a refused pass: the attempt counts.
        if (attempt < 4)
            SendCan();
    }
    SendCan();
    return -3;
}

bool FirmwareUpdater::RestoreCalibration(const firmware::CalibrationValues& values)
{
    platform::WaitCursor cursor;
    if (!ReadCalBlock()) {
        cursor.Restore();
        platform::AppPrompter().Message("Failure to read original Cal Block, check connections", platform::Icon::Error);
        return false;
    }
    firmware::ApplyCalibration(calBlock_.data(), values);
    int result = WriteCalBlock();
    cursor.Restore();
    if (result == 0) {
        platform::AppPrompter().Message("Basic Calibration data was installed.\n You must now do a manual calibration.",
                                        platform::Icon::Information);
        return true;
    }
    platform::AppPrompter().Message("ERROR!! Failed to load Basic Calibration data!\nThe J57 may now have bad "
                                    "calibration data. Try again or Call Morvek Audio",
                                    platform::Icon::Error);
    return false;
}
