#pragma once
// Turns the XMODEM status reports into the download-progress dialog's lines,
// progress bar, stall warning and messages.
#include <string>

#include "GFXmodem.h"

// What the monitor needs of the progress dialog (the Qt dialog implements it).
class DownloadProgress {
public:
    virtual ~DownloadProgress() = default;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void SetMeasurementText(const std::string& text) = 0;
    virtual void SetByteCountText(const std::string& text) = 0;
    virtual void SetProgress(int percent) = 0;
    virtual void ShowStall(bool on) = 0;
    virtual bool IsCancelRequested() const = 0;
    virtual void SendCancel() = 0;
    virtual long GetExpectedBytes() = 0;
    // Lets the window handle what is waiting.
    virtual void PumpMessages() = 0;
};

class DownloadMonitor : public comm::GFMonitor {
public:
    explicit DownloadMonitor(DownloadProgress* dialog);

    void SetMeasurementNumber(int number, int count)
    {
        measurement_ = number;
        measurementCount_ = count;
    }
    bool HasFailed() const { return failed_; }
    // The size the instrument announced when the monitor was made.
    long GetExpectedBytes() const { return expectedBytes_; }

    int ReportStatus(int status) override;
    void ShowText(const std::string& text) override;
    int CheckAbort() override;
    void Idle() override;

    // The failure text of a status, empty for one without text.
    static std::string StatusText(int status);
    static bool IsFailure(int status);

private:
    DownloadProgress* dialog_;
    long expectedBytes_ = 0;
    long expectedBlocks_ = 0;
    int measurement_ = -1;
    int measurementCount_ = -1;
    long previousBytes_ = -1;
    bool stallShown_ = false;
    bool failed_ = false;
};
