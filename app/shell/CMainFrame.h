#pragma once
// The program's window: menu, toolbar, status bar and a client area that
// shows one of three views: the Setup view (made once, only hidden when
// left), the Download view and the Translate view (a splitter of the file
// tree and the report view), the last two made each time they are entered.
//
// Every command goes through OnCommand: the document first, then the frame,
// then the application. The enabled and checked states are decided the same
// way whenever a menu is shown, after each command and, for the toolbar,
// while the program is idle.
#include <string>
#include <utility>
#include <vector>

#include <QMainWindow>
#include <QPointer>

#include "CommandState.h"

class CSdiDoc;
class CSdiView;
class CView;
class CBinTreeView;
class CDataReport;
class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QTimer;
class QToolBar;
class QVBoxLayout;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    enum ViewKind { kSetupView = 1, kDownloadView = 2, kTranslateView = 3 };

    explicit CMainFrame(CSdiDoc* doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Held by a command while it waits on the instrument. Its waits let
    // window messages run, so the window takes no input meanwhile (no click,
    // key, menu or command can free what the command uses) and shows the
    // wait cursor; the command's own windows (its progress window with
    // Cancel, its questions) stay usable. Guards nest; a null frame is fine.
    class BusyCommand {
    public:
        explicit BusyCommand(CMainFrame* frame);
        ~BusyCommand();
        BusyCommand(const BusyCommand&) = delete;
        BusyCommand& operator=(const BusyCommand&) = delete;

    private:
        QPointer<CMainFrame> frame_;
    };
    bool IsBusy() const { return busy_ > 0; }

    // The Setup view's first update, then the window is shown.
    void InitialUpdateFrame();
    void SwitchView(int kind);
    // Takes Run Instrument and Stop Instrument out of the Data menu.
    void RemoveRunStopCommands();

    CSdiDoc* GetDocument() const { return doc_; }
    CView* GetActiveView() const { return activeView_; }
    CSdiView* GetSdiView() const { return sdiView_; }
    QSplitter* GetSplitter() const { return splitter_; }
    QToolBar* GetToolBar() const { return toolBar_; }
    QMenu* GetMenu(const QString& title) const;

    void OnCommand(int id);
    CmdUI UpdateCommand(int id) const;
    // Applies the states to every action (toolbarOnly: to the toolbar's).
    void UpdateCommandUI(bool toolbarOnly = false);
    // The actions of a command in menus, toolbar and accelerators.
    std::vector<QAction*> ActionsOf(int id) const;

    // The report view's RT60 band setting of the data last shown (0 octave,
    // 1 third octave); -1 while no RT60 data has been shown.
    int GetRt60BandFlag() const { return rt60BandFlag_; }
    void SetRt60BandFlag(int flag) { rt60BandFlag_ = flag; }

    // Where the help document is looked for (the program's folder).
    void SetHelpFolder(const std::string& folder) { helpFolder_ = folder; }

    void OnHistogramOptions();
    void OnRt60Options();
    void OnHelpDocument();
    void OnRunInstrument();
    void OnStopInstrument();

    // An item of the setup list's context menu: its text and its images for
    // the normal, disabled, selected and selected-disabled states.
    static QAction* MakeSetupContextAction(int id, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BeginBusy();
    void EndBusy();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateAccelerators();
    QAction* AddCommand(QAction* action, int id);
    bool FrameUpdate(CmdUI& ui) const;
    bool HasFrameHandler(int id) const;
    bool OnFrameCommand(int id);
    void RetireView(CView* old);
    void DeleteSplitter();
    void SwitchPane(bool next);
    void RedrawAll();
    // The status bar's connection pane, from the document's link.
    void UpdateConnectionPane();

    CSdiDoc* doc_;
    CSdiView* sdiView_ = nullptr;
    CView* activeView_ = nullptr;
    QWidget* client_ = nullptr;
    QVBoxLayout* clientLayout_ = nullptr;
    QSplitter* splitter_ = nullptr;
    CBinTreeView* treeView_ = nullptr;
    CDataReport* reportView_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QTimer* idleTimer_ = nullptr;
    QLabel* connectionPane_ = nullptr;
    std::vector<std::pair<int, QAction*>> actions_;
    int rt60BandFlag_ = -1;
    std::string helpFolder_;
    int busy_ = 0;
};
