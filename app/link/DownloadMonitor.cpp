#include "DownloadMonitor.h"

#include <cstdio>

#include "Prompter.h"

using namespace comm;

namespace {

const struct {
    int status;
    const char* text;  // null: a failure without a text of its own
} kFailures[] = {
    {XM_REMOTE_CANCEL, "Remote Cancelled"}, {XM_PUT_FAILED, "Cannot Put Character"},
    {XM_ACK_FAILED, "Cannot Send ACK"},     {XM_NAK_FAILED, "Cannot Send NAK"},
    {XM_TIMEOUT, "Timeout Error"},          {XM_TOO_MANY_ERRORS, "Too many Errors."},
    {XM_BAD_STATE, nullptr},                {XM_BAD_FIRST_CHAR, nullptr},
    {XM_NO_MEMORY, nullptr},                {XM_WRITE_FAILED, nullptr},
    {XM_FILE_OPEN, nullptr},
};

std::string Format(const char* format, long a, long b = 0)
{
    char text[96];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

}  // namespace

DownloadMonitor::DownloadMonitor(DownloadProgress* dialog)
    : dialog_(dialog), expectedBytes_(dialog ? dialog->GetExpectedBytes() : 0)
{
}

bool DownloadMonitor::IsFailure(int status)
{
    for (const auto& f : kFailures)
        if (f.status == status)
            return true;
    return false;
}

std::string DownloadMonitor::StatusText(int status)
{
    for (const auto& f : kFailures)
        if (f.status == status && f.text)
            return f.text;
    return {};
}

int DownloadMonitor::ReportStatus(int status)
{
    if (!dialog_)
        return status;
    dialog_->PumpMessages();
    const GFTransferStatus& s = Status();
    std::string text = StatusText(status);
    bool measurementSet = false;
    if (status == XM_OK) {
        if (s.bytesReceived > 0) {
            text = Format("Received %ld bytes", s.bytesReceived);
            dialog_->SetByteCountText(text);
        }
        if (measurement_ >= 0) {
            dialog_->SetMeasurementText(Format("Measurement %ld of %ld", measurement_, measurementCount_));
            measurementSet = true;
            bool stalled = s.bytesReceived == previousBytes_;
            if (stalled != stallShown_)
                dialog_->ShowStall(stalled);
            stallShown_ = stalled;
        }
        previousBytes_ = s.bytesReceived;
    }
    if (!measurementSet)
        dialog_->SetMeasurementText(text);
    if (IsFailure(status)) {
        std::string message = "An error occurred while communicating with the J57";
        if (!text.empty())
            message += " (" + text + ")";
        platform::AppPrompter().Message(message, platform::Icon::Error);
        failed_ = true;
    }
    if (s.blockNumber > 0 && s.blockLength > 0 && expectedBlocks_ == 0)
        expectedBlocks_ = expectedBytes_ / s.blockLength + 1;
    dialog_->SetProgress(expectedBlocks_ > 0 ? static_cast<int>(s.blockNumber * 100L / expectedBlocks_) : 0);
    return status;
}

void DownloadMonitor::ShowText(const std::string& text)
{
    if (dialog_)
        dialog_->SetStatusText(text);
}

void DownloadMonitor::Idle()
{
    if (dialog_)
        dialog_->PumpMessages();
}

int DownloadMonitor::CheckAbort()
{
    if (dialog_ && dialog_->IsCancelRequested()) {
        dialog_->SendCancel();
        return XM_USER_ABORT;
    }
    return 0;
}
