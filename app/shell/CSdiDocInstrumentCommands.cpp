// The document's instrument commands beside the setups: run, stop, purge the
// memory and upgrade the firmware.
#include "CSdiDoc.h"
#include "CMainFrame.h"
#include "Clock.h"
#include "FirmwareUpdateDialog.h"
#include "Prompter.h"
#include "SlmLink.h"

namespace {

const char kNoInstrument[] = "Unable to communicate with the instrument";

}  // namespace

void CSdiDoc::OnRunInstrument()
{
    if (!link_) {
        platform::AppPrompter().Message(kNoInstrument);
        return;
    }
    CMainFrame::BusyCommand busy(frame_);
    if (link_->IsRunning()) {
        platform::AppPrompter().Message("The instrument is already running.");
        return;
    }
    // A run state that could not be read is no stopped instrument.
    if (const int state = link_->GetLastResult(); state != 0) {
        ShowLinkFailure(state);
        return;
    }
    if (const int result = link_->Run(); result != 0)
        ShowLinkFailure(result);
}

void CSdiDoc::OnStopInstrument()
{
    if (!link_) {
        platform::AppPrompter().Message(kNoInstrument);
        return;
    }
    CMainFrame::BusyCommand busy(frame_);
    if (link_->IsRunning()) {
        if (const int result = link_->Stop(); result != 0)
            ShowLinkFailure(result);
        return;
    }
    if (const int state = link_->GetLastResult(); state != 0)
        ShowLinkFailure(state);
    else
        platform::AppPrompter().Message("The instrument is already stopped.");
}

void CSdiDoc::OnPurgeAll()
{
    if (!link_)
        return;
    if (platform::AppPrompter().Message("Are you sure you want to purge ALL data and ALL files from the J57?",
                                        platform::Icon::Question, platform::Buttons::YesNoCancel) != platform::IDYES)
        return;
    CMainFrame::BusyCommand busy(frame_);
    platform::WaitCursor wait;
    if (const int result = link_ ? link_->PurgeAllData() : SlmLink::NOT_CONNECTED; result != 0) {
        wait.Restore();
        ShowLinkFailure(result);
    }
}

void CSdiDoc::OnUpgradeFirmware()
{
    if (!link_)
        return;
    CMainFrame::BusyCommand busy(frame_);
    platform::WaitCursor wait;
    // The instrument is stopped first; then its run state tells whether it
    // holds data. A state that cannot be read counts as data: the user is
    // asked before anything is erased.
    link_->Stop();
    std::string state;
    const bool known = link_->SendCommand("R3,1", &state, 10, 1) == 0 && state.size() >= 2;
    if (!known || state[1] != 'p') {
        wait.Restore();
        if (platform::AppPrompter().Message("WARNING: Instrument has data.  Purge all data and continue?",
                                            platform::Icon::Warning,
                                            platform::Buttons::OkCancel) != platform::IDOK)
            return;
    }
    link_->PurgeAllData();
    wait.Restore();
    // The folder is empty unless the program was started to upgrade; with
    // one, the dialog offers the instrument's own firmware file from it.
    FirmwareUpdateDialog dialog(frame_);
    dialog.ReadInstrumentInfo(link_.get());
    dialog.SetFilePath(firmwarePath_);
    dialog.exec();
}

void CSdiDoc::UpgradeAtStartup(const std::string& firmwarePath)
{
    if (!IsConnected())
        OnConnect();
    firmwarePath_ = firmwarePath;
    OnUpgradeFirmware();
}
