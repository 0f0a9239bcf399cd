#include "CSdiDoc.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>

#include <QCoreApplication>

#include "CBinTreeView.h"
#include "CDataReport.h"
#include "CMainFrame.h"
#include "CMeasView.h"
#include "CSdiApp.h"
#include "CSdiView.h"
#include "CView.h"
#include "Clock.h"
#include "Files.h"
#include "CommandIds.h"
#include "Prompter.h"
#include "SerialPort.h"
#include "SetupDirList.h"
#include "SetupRec.h"
#include "SetupTypes.h"
#include "SlmLink.h"
#include "TextTrim.h"
#include "TranslatorVersion.h"

namespace {

bool EqualNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

CSdiDoc::CSdiDoc(QObject* parent) : QObject(parent)
{
    setups_.SetDocument([this](SetupRec& record) {
        if (sdiView_)
            sdiView_->RemoveSetupPages(&record);
    });
}

CSdiDoc::~CSdiDoc()
{
    setups_.SetDocument({});
    setups_.RemoveAll();
    Disconnect();
}

std::string CSdiDoc::StartFolder() const
{
    const CSdiApp* app = CSdiApp::Instance();
    return app ? app->GetStartDir() : std::string();
}

void CSdiDoc::ShowRt60Bands(bool thirdOctave)
{
    if (frame_)
        frame_->SetRt60BandFlag(thirdOctave ? 1 : 0);
}

CDataReport* CSdiDoc::GetReportView() const
{
    for (CView* view : Views())
        if (auto* report = dynamic_cast<CDataReport*>(view))
            return report;
    return nullptr;
}

bool CSdiDoc::IsSetupViewActive() const
{
    return dynamic_cast<CSdiView*>(GetFirstView()) != nullptr;
}

bool CSdiDoc::IsDownloadViewActive() const
{
    return dynamic_cast<CMeasView*>(GetFirstView()) != nullptr;
}

bool CSdiDoc::IsTranslateViewActive() const
{
    CView* first = GetFirstView();
    return dynamic_cast<CBinTreeView*>(first) != nullptr || dynamic_cast<CDataReport*>(first) != nullptr;
}

bool CSdiDoc::IsTreeViewFirst() const
{
    return dynamic_cast<CBinTreeView*>(GetFirstView()) != nullptr;
}

ActiveView CSdiDoc::GetActiveView() const
{
    if (IsSetupViewActive())
        return ActiveView::Setup;
    if (IsDownloadViewActive())
        return ActiveView::Download;
    if (IsTranslateViewActive())
        return ActiveView::Translate;
    return ActiveView::None;
}

bool CSdiDoc::IsActiveInstrumentSetup(const std::string& name, int type) const
{
    if (!link_)
        return false;
    return EqualNoCase(GetActiveSetupName(), name) && GetInstrumentSetupType() == type;
}

// A file opened as the document (from the command line) is read as a setup
// file and kept nowhere: setups are opened with Open Setup File.
bool CSdiDoc::OnOpenDocument(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        return false;
    SetupRec record;
    record.Serialize(file);
    return true;
}

CommandContext CSdiDoc::MakeCommandContext(int id) const
{
    CommandContext ctx;
    ctx.view = GetActiveView();
    ctx.connected = IsConnected();
    const SetupRec* record = ctx.view == ActiveView::Setup && sdiView_ ? sdiView_->GetSelectedSetup() : nullptr;
    if (record) {
        SelectedSetupState state;
        state.type = record->GetType();
        state.origin = record->GetOrigin();
        state.locked = record->IsLocked();
        state.protect = record->GetProtectFlag() != 0;
        if ((id == cmd::RenameSetup || id == cmd::MakeSetupCurrent) && state.origin == SetupOrigin::kInstrument &&
            state.type != 1)
            state.instrumentActive = activeAnswer_.known && EqualNoCase(activeAnswer_.name, record->GetName()) &&
                                     activeAnswer_.type == state.type;
        ctx.selected = state;
    }
    if (ctx.view == ActiveView::Setup && sdiView_)
        ctx.setupRows = sdiView_->GetSetupCount();
    const CDataReport* report = GetReportView();
    ctx.hasReport = report && report->HasReport();
    if (ctx.hasReport) {
        // The answer is asked of the desktop once: the toolbar is refreshed
        // while idle, and each question starts a program.
        static const bool csvViewer = platform::AppShellOpener().IsViewerRegistered(".csv");
        ctx.csvViewer = csvViewer;
    }
    return ctx;
}

void CSdiDoc::AskInstrumentActiveSetup()
{
    activeAnswer_ = {};
    if (!link_ || link_->GetLastResult() != 0 || !IsSetupViewActive() || !sdiView_)
        return;
    // Neither command is open to the system setup: it costs no question.
    const SetupRec* record = sdiView_->GetSelectedSetup();
    if (!record || record->GetOrigin() != SetupOrigin::kInstrument || record->IsSystemSetup())
        return;
    CMainFrame::BusyCommand busy(frame_);
    const std::string name = GetActiveSetupName();
    if (!link_ || link_->GetLastResult() != 0)
        return;
    const int type = GetInstrumentSetupType();
    if (!link_ || link_->GetLastResult() != 0)
        return;
    activeAnswer_ = {true, name, type};
}

void CSdiDoc::OnUpdateCommand(CmdUI& ui)
{
    const CommandContext ctx = MakeCommandContext(ui.id);
    DocumentCommandState(ui, ctx);
    if (ui.id == cmd::MakeSetupCurrent)
        KeepCurrentMarkerInStep(ctx);
}

// The active setup can change at the instrument's keys; the marker of the
// selected instrument setup follows the answer asked for the menu, so the
// list does not cost the serial line another question.
void CSdiDoc::KeepCurrentMarkerInStep(const CommandContext& ctx)
{
    if (!activeAnswer_.known || !sdiView_ || !ctx.selected || ctx.selected->origin != SetupOrigin::kInstrument || ctx.selected->type == 1)
        return;
    const int index = sdiView_->GetSelectedIndex();
    SetupRec* record = sdiView_->GetSelectedSetup();
    if (!record || index < 0)
        return;
    const bool shown = sdiView_->GetSetupImage(index) == kCurrentSetupImage;
    if (ctx.selected->instrumentActive == shown)
        return;
    record->SetCurrent(ctx.selected->instrumentActive ? 1 : 0);
    sdiView_->SetSetupImage(index, record->GetImageIndex());
}

bool CSdiDoc::HasCommandHandler(int id) const
{
    switch (id) {
    case cmd::Connect:
    case cmd::SetupView:
    case cmd::DownloadView:
    case cmd::TranslateView:
    case cmd::ExportData:
    case cmd::Print:
    case cmd::PrintPreview:
    case cmd::ViewDataInSpreadsheet:
        return true;
    default:
        return IsSetupCommand(id);
    }
}

bool CSdiDoc::OnCommand(int id)
{
    ForgetInstrumentActiveSetup();
    switch (id) {
    case cmd::Connect: OnConnect(); return true;
    case cmd::SetupView: OnSetupView(); return true;
    case cmd::DownloadView: OnDownloadView(); return true;
    case cmd::TranslateView: OnTranslateView(); return true;
    case cmd::ExportData: OnExportData(); return true;
    case cmd::Print: OnFilePrint(); return true;
    case cmd::PrintPreview: OnFilePrintPreview(); return true;
    case cmd::ViewDataInSpreadsheet: OnViewDataInSpreadsheet(); return true;
    default: return OnSetupCommand(id);
    }
}

void CSdiDoc::OnSetupView()
{
    if (!IsSetupViewActive() && frame_)
        frame_->SwitchView(CMainFrame::kSetupView);
}

void CSdiDoc::OnDownloadView()
{
    platform::WaitCursor wait;
    if (IsDownloadViewActive())
        return;
    if (!IsConnected())
        OnConnect();
    if (!IsConnected())
        return;
    CMainFrame::BusyCommand busy(frame_);
    // A count that could not be read is no empty instrument: the failure is
    // told as it is.
    const int count = link_->GetStoredCount();
    const int counted = link_->GetLastResult();
    if (counted != 0) {
        wait.Restore();
        ShowLinkFailure(counted);
        return;
    }
    if (count > 0 || link_->HasActiveMeasurement()) {
        if (frame_)
            frame_->SwitchView(CMainFrame::kDownloadView);
        PumpWaitingMessages();
        RefreshMeasurementList();
        if (CMeasView* view = GetMeasView())
            view->SelectMeasurement(0);
        return;
    }
    wait.Restore();
    messages_.Show(CSetupMessages::Msg::NoMeasurements);
}

void CSdiDoc::ShowLinkFailure(int result) const
{
    std::string text = CSetupMessages::GetCodeText(result);
    if (text.empty())
        text = "Unable to communicate with the instrument";
    platform::AppPrompter().Message(text, platform::Icon::Warning);
}

void CSdiDoc::OnTranslateView()
{
    const int version = TranslatorVersion();
    if (version < kRequiredTranslatorVersion) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "Unable to translate data.\nTessdec.dll version %.2f is required (version %.2f is installed).",
                      kRequiredTranslatorVersion / 100.0, version / 100.0);
        platform::AppPrompter().Message(text, platform::Icon::Warning);
        return;
    }
    if (!IsTranslateViewActive() && frame_) {
        frame_->SwitchView(CMainFrame::kTranslateView);
        platform::Pump();
    }
}

void CSdiDoc::OnExportData()
{
    if (IsTreeViewFirst())
        if (CDataReport* report = GetReportView())
            report->ExportData();
}

void CSdiDoc::OnFilePrint()
{
    if (CDataReport* report = GetReportView())
        report->FilePrint();
}

void CSdiDoc::OnFilePrintPreview()
{
    if (CDataReport* report = GetReportView())
        report->FilePrintPreview();
}

void CSdiDoc::OnViewDataInSpreadsheet()
{
    if (CDataReport* report = GetReportView())
        report->ViewDataInSpreadsheet();
}

void CSdiDoc::OnConnect()
{
    ConnectDialog dialog(this, {}, IsConnected() ? "Connected" : "Not Connected", {}, {}, frame_);
    connectDialog_ = &dialog;
    dialog.exec();
    connectDialog_ = nullptr;
}

int CSdiDoc::ConnectInstrument(int portNumber, int baudRate)
{
    int result = SlmLink::NOT_CONNECTED;
    platform::WaitCursor wait;
    Disconnect();
    port_ = std::make_unique<SerialPort>(portNumber);
    if (connectDialog_)
        connectDialog_->SetStatusText("Connecting...");

    result = port_->Open();
    if (result == 0) {
        link_ = std::make_unique<SlmLink>(port_.get());
        SetBaudAndConnect(baudRate);
        result = link_->WaitReady();
    }
    // The firmware revision is read here once: the stores and downloads of
    // this connection take their block layout and bandwidth rules from it. A
    // lost reply is a failed connect, not firmware 0.0.
    std::string serial;
    if (result == 0) {
        if (connectDialog_)
            serial = link_->GetSerialNumber();
        link_->GetFirmwareRevision();
        result = link_->GetLastResult();
    }
    if (result != 0) {
        if (connectDialog_) {
            const std::string text = CSetupMessages::GetCodeText(result);
            // A port that would not open: which device, and why.
            connectDialog_->SetStatusText(port_ && !port_->IsOpen() ? ConnectDialog::OpenFailureText(text, *port_)
                                                                     : text);
            connectDialog_->SetSerialText({});
            connectDialog_->SetModelText({});
            connectDialog_->SetRevisionText({});
        }
        Disconnect();
        return result;
    }

    if (connectDialog_) {
        connectDialog_->SetSerialText(serial);
        connectDialog_->SetRevisionText(link_->GetCachedFirmwareRevision());
        connectDialog_->SetStatusText("Connected");
        connectDialog_->SetModelText(link_->GetIdentification());
    }
    if (!CheckIdentification()) {
        wait.Restore();
        platform::AppPrompter().Message("This utility software is valid for use only with a Morvek Audio Model J57.",
                                        platform::Icon::Warning);
        Disconnect();
        return -223;
    }
    if (!CheckFirmwareVersion()) {
        const double version = link_->GetFirmwareVersion();
        char text[256];
        std::snprintf(text, sizeof text, "%s %5.3lf\n%s\n\n%s\n%5.3lf %s", "The J57 firmware version ", version,
                      "is not compatable with J57 Utility software.", "The J57 Utility requires firmware version ",
                      1.0, "or greater.");
        wait.Restore();
        platform::AppPrompter().Message(text, platform::Icon::Warning);
        Disconnect();
        return -202;
    }
    if (IsSetupViewActive()) {
        ReloadSystemSetup();
        if (sdiView_)
            sdiView_->SelectSetup(0);
        PumpWaitingMessages();
    }
    return 0;
}

void CSdiDoc::SetBaudAndConnect(int baudRate)
{
    if (!link_)
        return;
    baudRate_ = baudRate;
    link_->Connect(baudRate);
}

void CSdiDoc::Disconnect()
{
    ForgetInstrumentActiveSetup();
    if (port_) {
        port_->Close();
        port_.reset();
    }
    link_.reset();
}

bool CSdiDoc::CheckIdentification() const
{
    if (!link_)
        return false;
    const std::string& id = link_->GetIdentification();
    return id.size() >= 6 && id.compare(0, 6, "Morvek") == 0 && id.size() >= 3 &&
           id.compare(id.size() - 3, 3, "J57") == 0;
}

bool CSdiDoc::CheckFirmwareVersion() const
{
    return link_ && link_->GetFirmwareVersion() >= 1.0;
}

int CSdiDoc::ReloadSystemSetup()
{
    if (!port_ || !link_)
        return -1;
    const std::string revision = link_->GetCachedFirmwareRevision();
    const std::string identification = link_->GetIdentification();
    const double param207 = link_->GetParam207();

    SetupDirList directory(port_.get());
    const uint8_t* block = directory.ReadSystemSettings(true);
    if (block) {
        auto record = std::make_unique<SetupRec>();
        record->SetInstrumentId(identification);
        record->SetRevision(revision);
        record->SetParam207(static_cast<float>(param207));
        record->SetOrigin(7);
        record->SetType(1);
        record->LoadSYSSetup(block, SetupDirList::kSystemSize);
        int index = -1;
        if (setups_.FindInstrumentSetup(*record, index))
            setups_.ReplaceAt(index, std::move(record));
        else
            setups_.AddSorted(std::move(record));
    }
    RebuildSetupView();
    return block ? 0 : -1;
}

void CSdiDoc::RebuildSetupView()
{
    if (!sdiView_)
        return;
    sdiView_->DeleteAllSetups();
    for (int i = 0; i < setups_.GetCount(); ++i)
        sdiView_->AddSetup(setups_.GetAt(i));
}

bool CSdiDoc::PumpWaitingMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !QCoreApplication::closingDown();
}

std::string CSdiDoc::GetActiveSetupName() const
{
    return link_ ? TrimTrailingBlanks(link_->GetActiveSetupName()) : std::string();
}

int CSdiDoc::GetInstrumentSetupType() const
{
    if (!link_)
        return 0;
    switch (link_->GetApplicationCode()) {
    case SlmLink::APP_SSA: return 5;
    case SlmLink::APP_ISM: return 6;
    case SlmLink::APP_LOG: return 7;
    case SlmLink::APP_ENV: return 11;
    case SlmLink::APP_RTA: return 10;
    case SlmLink::APP_FFT: return 9;
    case SlmLink::APP_AUD: return 12;
    case SlmLink::APP_TAL: return 8;
    case SlmLink::APP_VIB: return 13;
    default: return 0;
    }
}

int CSdiDoc::GetInstrumentClock(int& year, int& month, int& day, int& hour, int& minute, int& second) const
{
    if (!link_) {
        year = 1980;
        month = day = 1;
        hour = minute = second = 0;
        return SlmLink::NOT_CONNECTED;
    }
    return link_->GetClock(year, month, day, hour, minute, second);
}

int CSdiDoc::SetInstrumentClock(std::time_t localTime)
{
    if (!link_)
        return SlmLink::NOT_CONNECTED;
    std::tm tm{};
    localtime_r(&localTime, &tm);
    char date[32];
    char time[32];
    std::snprintf(date, sizeof date, "%02d/%02d/%02d", tm.tm_mon + 1, tm.tm_mday, tm.tm_year % 100);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
    link_->SetDate(date);
    link_->SetTime(time);
    return link_->SetWeekday(tm.tm_wday + 1);
}

int CSdiDoc::SetInstrumentClockFromPC()
{
    return SetInstrumentClock(std::time(nullptr));
}

