// The document's download command: each selected measurement is made current
// in the instrument, received by XMODEM into a temporary file and written as
// a download file: three "@" header lines, then the data as received.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sys/stat.h>

#include <QPointer>

#include "CMainFrame.h"
#include "CMeasView.h"
#include "CSdiDoc.h"
#include "Clock.h"
#include "DownloadFileNames.h"
#include "DownloadMonitor.h"
#include "DownloadOptions.h"
#include "DownloadProgressDialog.h"
#include "Files.h"
#include "MeasRec.h"
#include "Prompter.h"
#include "SlmLink.h"

namespace {

constexpr int kStoredFileEntry = 2;
constexpr int kCancelledByUser = -901;
constexpr int kCannotCreate = -206;
constexpr int kCannotWrite = -207;

const char* const kSsaBandwidthText =
    "Firmware versions less than 3.100 require a 1/3 bandwidth for downloading SSA data.\n"
    "The SSA bandwidth will be changed to 1/3 octave on the J57 to download this SSA measurement.\n"
    "It is recommended that you upgrade to the latest version of the J57 firmware.";

bool Exists(const std::string& path, struct stat* info = nullptr)
{
    struct stat local {};
    return ::stat(path.c_str(), info ? info : &local) == 0;
}

void RemoveFile(const std::string& path)
{
    if (!path.empty())
        std::remove(path.c_str());
}

// The header lines and the received data into path, whole or not at all
// (an old file stays as it was on any failure). 0, or -206 / -207.
int WriteDownloadFile(const std::string& path, const std::string& header, const std::string& dataPath)
{
    std::ifstream data(dataPath, std::ios::binary);
    if (!data.is_open())
        return kCannotCreate;
    platform::AtomicFileWriter file(path);
    if (!file.IsOpen())
        return kCannotCreate;
    bool ok = file.Write(header);
    char block[1024];
    while (ok && data) {
        data.read(block, sizeof block);
        ok = file.Write(block, static_cast<size_t>(data.gcount()));
    }
    if (data.bad() || !ok || !file.Commit())
        return kCannotWrite;
    return 0;
}

}  // namespace

// Where each measurement's download file goes. One measurement: the page's
// folder and name. Several: the page's folder, the base name (or the entry's
// default name) numbered by the entry's place in the instrument's list. The
// active measurement has no place there; it is numbered past every stored
// file, so that no two measurements share a name.
std::string CSdiDoc::DownloadTarget(CMeasView& view, MeasRec& entry, uint32_t selectedCount,
                                    const std::string& baseName) const
{
    const std::string path = view.GetDownloadPath();
    if (selectedCount == 1)
        return path;
    const std::string folder = FolderOfPath(path) == path ? std::string() : FolderOfPath(path);
    std::string name = baseName;
    if (name.empty()) {
        entry.MakeDefaultFileName();
        entry.SetFolder(folder);
        name = entry.GetFileName();
    }
    int number = entry.GetListIndex() + 1;
    if (entry.GetListIndex() < 0) {
        number = view.GetMeasurementCount();
        for (const MeasMgrJ46::Entry& other : measurements_)
            if (!other->IsActive())
                number = std::max(number, other->GetListIndex() + 2);
    }
    return folder + NumberedFileName(name, number);
}

void CSdiDoc::DownloadMeasurements(uint32_t selectedCount, const std::string& baseName,
                                   const DownloadOptions& request)
{
    platform::WaitCursor wait;
    CMainFrame::BusyCommand busy(frame_);
    // Every wait below lets window messages run: the view is checked after
    // each, and the entry being fetched is held, so that nothing the user
    // did meanwhile leaves the command with a freed view or record.
    QPointer<CMeasView> view = GetMeasView();
    if (!view || !link_)
        return;
    std::string base = baseName;
    if (selectedCount > 1 && !base.empty())
        base = RemoveWildcard(base);

    DownloadRun run;
    run.received = platform::CreateTempFile("J57");
    int replaceAnswer = -1;
    if (run.received.empty()) {
        wait.Restore();
        platform::AppPrompter().Message(CSetupMessages::GetCodeText(kCannotCreate) + ":\n" + platform::TempDir(),
                                        platform::Icon::Warning);
        return;
    }
    bool stop = false;
    bool bandwidthShown = false;
    bool firmwareUnknownShown = false;
    int number = 0;
    int position = -1;
    while (!stop && view && link_) {
        const MeasMgrJ46::Entry entry = view->GetNextSelected(position);
        if (!entry)
            break;
        const std::string header = "@" + view->GetLocation() + "\r\n@" + view->GetNote1() + "\r\n@" +
                                   view->GetNote2() + "\r\n";
        ++number;
        view->ShowProgress(number, static_cast<int>(selectedCount));
        const std::string target = DownloadTarget(*view, *entry, selectedCount, base);

        struct stat existing {};
        if (request.saveBinary && Exists(target, &existing) && replaceAnswer != 1) {
            wait.Restore();
            replaceAnswer = messages_.AskReplaceFile(target, existing.st_size, existing.st_mtime,
                                                     static_cast<int>(selectedCount));
            if (replaceAnswer == 3)
                break;
            if (replaceAnswer == 2)
                continue;
        }

        if (entry->GetEntryKind() == kStoredFileEntry) {
            const int recalled = link_->RecallItem(entry->GetListIndex());
            if (recalled != 0) {
                const std::string reply = link_->GetLastErrorReply();
                wait.Restore();
                messages_.Show(CSetupMessages::Msg::RecallError,
                               {reply.empty() ? CSetupMessages::GetCodeText(recalled) : reply});
                continue;
            }
        }

        // Old firmware sends SSA data only in third octaves; whether this one
        // is old is known from the revision read at connect, never guessed.
        if (entry->GetMeasType() == 5 && !link_->IsFirmwareVersionKnown()) {
            if (!firmwareUnknownShown) {
                firmwareUnknownShown = true;
                wait.Restore();
                platform::AppPrompter().Message(kFirmwareUnknownText, platform::Icon::Warning);
            }
            continue;
        }
        if (entry->GetMeasType() == 5 && link_->GetFirmwareVersion() < 3.1 && link_->GetSsaBandwidth() == "1/1") {
            if (!bandwidthShown) {
                bandwidthShown = true;
                wait.Restore();
                platform::AppPrompter().Message(kSsaBandwidthText);
            }
            if (link_->SetSsaBandwidth(1) != 0)
                continue;
        }

        const std::string second = platform::CreateTempFile("J57");
        if (second.empty())
            continue;
        if (!view || !link_)
            break;
        run.seconds.push_back(second);
        run.targets.push_back(target);
        run.written.emplace_back();

        bool success = false;
        int cancelFlag = 0;
        {
            DownloadProgressDialog progress(link_.get(), &cancelFlag, frame_);
            progress.SetMeasRec(entry.get());
            DownloadMonitor monitor(&progress);
            monitor_ = &monitor;
            monitor.SetMeasurementNumber(number, static_cast<int>(selectedCount));
            const int started = link_->StartDownload(&monitor);
            PumpWaitingMessages();
            if (started != 0) {
                // A refusal ("No data") is shown in the instrument's words.
                const std::string refusal = started == SlmLink::NOT_AVAILABLE
                                                ? CSetupMessages::StripBell(link_->GetLastErrorReply())
                                                : std::string();
                wait.Restore();
                platform::AppPrompter().Message("An error occurred while communicating with the J57 (" +
                                                    (refusal.empty() ? CSetupMessages::GetCodeText(started) : refusal) +
                                                    ")",
                                                platform::Icon::Warning);
            } else {
                const int result = link_->RunDownload(run.received);
                if (result == kCancelledByUser) {
                    progress.SetStatusText("Download Cancelled");
                    link_->CancelDownload();
                    stop = true;
                } else if (result == 0) {
                    progress.DisableCancel();
                    progress.SetStatusText("Download Finished");
                    const std::string output = request.saveBinary ? target : second;
                    if (request.saveBinary)
                        progress.SetByteCountText("Creating " + output);
                    PumpWaitingMessages();
                    const int written = WriteDownloadFile(output, header, run.received);
                    if (written == 0) {
                        success = true;
                        run.written.back() = output;
                        if (request.saveBinary)
                            progress.SetStatusText("Download File Successfully Created");
                    } else {
                        wait.Restore();
                        platform::AppPrompter().Message(CSetupMessages::GetCodeText(written) + ":\n" + output,
                                                        platform::Icon::Warning);
                    }
                }
            }
            if (monitor.HasFailed()) {
                progress.SetStatusText("Download Cancelled");
                stop = true;
            }
            monitor_ = nullptr;
            link_->CancelDownload();
            progress.WaitSeconds(3);
        }
        entry->SetDownloadComplete(success);
        run.downloaded = run.downloaded || success;
    }

    if (view)
        view->ClearStatus();
    if (run.downloaded && request.launch)
        WriteDownloadReports(run, request);
    RemoveFile(run.received);
    for (const std::string& second : run.seconds)
        RemoveFile(second);
    if (view)
        view->RefreshPage();
}
