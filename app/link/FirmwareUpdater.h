#pragma once
// The firmware upgrade through the instrument's boot loader and the restore
// of its basic calibration, apart from the dialog that runs them.
#include <array>
#include <cstdint>
#include <string>

#include "FirmwareFile.h"

class SlmLink;
class SerialPort;

// What the sequences need of their window.
class FirmwareUi {
public:
    virtual ~FirmwareUi() = default;
    virtual void SetStatus(const std::string& text) = 0;
    virtual void SetProgressRange(int low, int high) = 0;
    virtual void SetProgressPos(int position) = 0;
    virtual void StepProgress() = 0;
    virtual void EnableWindow(bool on) = 0;
    virtual void Pump() = 0;
    virtual bool IsCancelled() const = 0;
    // What the Cancel button does while running.
    virtual void Cancel() = 0;
};

class FirmwareUpdater {
public:
    static constexpr int kProgressEnd = 4159;
    // Bounds of waits the instrument could make endless.
    static constexpr int kFlashCharLimit = 20000;
    static constexpr int kRebootBreaks = 40;

    FirmwareUpdater(SlmLink* link, FirmwareUi& ui, const firmware::Key& key);

    // Start with the box selected: lowers a fast link to 57600, runs the
    // restore or the upgrade, connects again at the former rate.
    bool Start(bool calibration, const std::string& romPath, const std::string& version,
               const firmware::CalibrationValues& values);
    bool Upgrade(const std::string& romPath, const std::string& version);
    bool RestoreCalibration(const firmware::CalibrationValues& values);
    const std::array<uint8_t, firmware::kCalBlockSize>& CalBlock() const { return calBlock_; }

private:
    bool PromptHandshake(int count);
    void Escape();
    bool UploadRom(const std::vector<uint8_t>& rom);
    bool VerifyChecksum();
    bool ProgramCommand();
    bool CopyToFlash();
    bool ReadCalBlock();
    int WriteCalBlock();
    void SendCan();
    int ReadChar(int seconds = 0);
    void Pause(double seconds);

    SlmLink* link_;
    SerialPort* port_;
    FirmwareUi& ui_;
    const firmware::Key& key_;
    std::array<uint8_t, firmware::kCalBlockSize> calBlock_{};
};
