#include "CSdiDoc.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "CBinTreeView.h"
#include "CDataReport.h"
#include "CMainFrame.h"
#include "CMeasView.h"
#include "CSdiView.h"
#include "CView.h"
#include "Clock.h"
#include "CommandIds.h"
#include "Prompter.h"
#include "TranslatorVersion.h"

CSdiDoc::CSdiDoc(QObject* parent) : QObject(parent) {}

CSdiDoc::~CSdiDoc() = default;

void CSdiDoc::AddView(CView* view)
{
    if (view && !HasView(view))
        views_.push_back(view);
}

void CSdiDoc::RemoveView(CView* view)
{
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

bool CSdiDoc::HasView(const CView* view) const
{
    return std::find(views_.begin(), views_.end(), view) != views_.end();
}

void CSdiDoc::UpdateAllViews(CView* sender, const ViewHint* hint)
{
    // A view may leave the list while it is updated; walk a copy.
    const std::vector<CView*> views = views_;
    for (CView* view : views)
        if (view != sender && HasView(view))
            view->OnUpdate(sender, hint);
}

CDataReport* CSdiDoc::GetReportView() const
{
    for (CView* view : views_)
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

bool CSdiDoc::IsActiveInstrumentSetup(const std::string& /*name*/, int /*type*/) const
{
    return false;  // nothing is active without an instrument link
}

bool CSdiDoc::OnOpenDocument(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return file.is_open();
}

CommandContext CSdiDoc::MakeCommandContext() const
{
    CommandContext ctx;
    ctx.view = GetActiveView();
    if (ctx.view == ActiveView::Setup && sdiView_)
        ctx.selected = sdiView_->SelectedSetup();
    const CDataReport* report = GetReportView();
    ctx.hasReport = report && report->HasReport();
    return ctx;
}

void CSdiDoc::OnUpdateCommand(CmdUI& ui) const
{
    DocumentCommandState(ui, MakeCommandContext());
}

bool CSdiDoc::HasCommandHandler(int id) const
{
    switch (id) {
    case cmd::SetupView:
    case cmd::DownloadView:
    case cmd::TranslateView:
    case cmd::ExportData:
    case cmd::Print:
    case cmd::PrintPreview:
    case cmd::ViewDataInSpreadsheet:
        return true;
    default:
        return false;
    }
}

bool CSdiDoc::OnCommand(int id)
{
    switch (id) {
    case cmd::SetupView: OnSetupView(); return true;
    case cmd::DownloadView: OnDownloadView(); return true;
    case cmd::TranslateView: OnTranslateView(); return true;
    case cmd::ExportData: OnExportData(); return true;
    case cmd::Print: OnFilePrint(); return true;
    case cmd::PrintPreview: OnFilePrintPreview(); return true;
    case cmd::ViewDataInSpreadsheet: OnViewDataInSpreadsheet(); return true;
    default: return false;
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
    // The measurement count, the directory refresh and the selection of the
    // first entry come with the instrument link.
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

void CSdiDoc::OnConnect() {}

void CSdiDoc::OnRunInstrument() {}

void CSdiDoc::OnStopInstrument() {}

void CSdiDoc::UpgradeAtStartup(const std::string& /*firmwarePath*/) {}
