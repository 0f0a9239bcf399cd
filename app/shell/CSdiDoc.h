#pragma once
// The document: lives as long as the program, keeps the list of the views
// that show it, and carries out the commands that depend on the document's
// state (which view is shown, what is selected, whether an instrument is
// connected). The instrument link, the setup lists and the measurement
// directory join it with the instrument commands.
#include <string>
#include <vector>

#include <QObject>

#include "CommandState.h"

class CView;
class CSdiView;
class CDataReport;
class CMainFrame;
struct ViewHint;

class CSdiDoc : public QObject {
    Q_OBJECT
public:
    explicit CSdiDoc(QObject* parent = nullptr);
    ~CSdiDoc() override;

    // The view list, in the order the views joined; the first view decides
    // which view the document counts as active.
    void AddView(CView* view);
    void RemoveView(CView* view);
    bool HasView(const CView* view) const;
    CView* GetFirstView() const { return views_.empty() ? nullptr : views_.front(); }
    const std::vector<CView*>& Views() const { return views_; }
    // Tells every view but sender; hint is null for a plain update.
    void UpdateAllViews(CView* sender, const ViewHint* hint = nullptr);

    // The Setup view, kept even while it is out of the view list.
    void SetSdiView(CSdiView* view) { sdiView_ = view; }
    CSdiView* GetSdiView() const { return sdiView_; }
    // The report view of the Translate view, null when it is not shown.
    CDataReport* GetReportView() const;

    void SetFrame(CMainFrame* frame) { frame_ = frame; }
    CMainFrame* GetFrame() const { return frame_; }

    bool IsSetupViewActive() const;
    bool IsDownloadViewActive() const;
    bool IsTranslateViewActive() const;
    bool IsTreeViewFirst() const;
    ActiveView GetActiveView() const;

    // "Connected" means the instrument link exists.
    bool IsConnected() const { return false; }
    // The instrument's active setup is this one (name without regard to
    // case, and type code); false when not connected.
    bool IsActiveInstrumentSetup(const std::string& name, int type) const;

    // Opens a file named on the command line as the document; false when it
    // cannot be read.
    bool OnOpenDocument(const std::string& path);

    // Command routing: true when the document handles the command.
    bool OnCommand(int id);
    // Sets the state of the commands whose state the document decides.
    void OnUpdateCommand(CmdUI& ui) const;
    bool HasCommandHandler(int id) const;

    // View commands.
    void OnSetupView();
    void OnDownloadView();
    void OnTranslateView();
    void OnExportData();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnViewDataInSpreadsheet();

    // Instrument commands that arrive with the link.
    void OnConnect();
    void OnRunInstrument();
    void OnStopInstrument();
    void UpgradeAtStartup(const std::string& firmwarePath);

    CommandContext MakeCommandContext() const;

private:
    std::vector<CView*> views_;
    CSdiView* sdiView_ = nullptr;
    CMainFrame* frame_ = nullptr;
};
