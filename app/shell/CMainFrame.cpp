#include "CMainFrame.h"

#include <sys/stat.h>

#include <map>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "CBinTreeView.h"
#include "CDataReport.h"
#include "CMeasView.h"
#include "CSdiApp.h"
#include "CSdiDoc.h"
#include "CSdiView.h"
#include "Clock.h"
#include "CommandIds.h"
#include "Files.h"
#include "HistogramOptions.h"
#include "HistogramOptionsDialog.h"
#include "MenuTable.h"
#include "PortResolver.h"
#include "Profile.h"
#include "Prompter.h"
#include "RT60OptionsDialog.h"
#include "SerialPort.h"
#include "ShellIcons.h"
#include "SlmLink.h"

namespace {

constexpr int kIdleUpdateMs = 250;

// The dialog's member of each histogram option, in the order they are
// written back.
struct HistogramDialogValue {
    const HistogramOption& option;
    int HistogramOptionsDialog::*member;
};

const HistogramDialogValue kHistogramDialogValues[] = {
    {kSplHistogramOptions.resolution, &HistogramOptionsDialog::splRes},
    {kPeakHistogramOptions.resolution, &HistogramOptionsDialog::peakRes},
    {kUwPeakHistogramOptions.resolution, &HistogramOptionsDialog::uwPkRes},
    {kLnTableOptions.resolution, &HistogramOptionsDialog::lnTblRes},
    {kSplHistogramOptions.low, &HistogramOptionsDialog::splLowLimit},
    {kPeakHistogramOptions.low, &HistogramOptionsDialog::peakLowLimit},
    {kUwPeakHistogramOptions.low, &HistogramOptionsDialog::uwPkLowLimit},
    {kLnTableOptions.low, &HistogramOptionsDialog::lnTblLowLimit},
    {kSplHistogramOptions.high, &HistogramOptionsDialog::splHighLimit},
    {kPeakHistogramOptions.high, &HistogramOptionsDialog::peakHighLimit},
    {kUwPeakHistogramOptions.high, &HistogramOptionsDialog::uwPkHighLimit},
    {kLnTableOptions.high, &HistogramOptionsDialog::lnTblHighLimit},
};
const char kRt60Section[] = "RT60Settings";

bool FileExists(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

CMainFrame::CMainFrame(CSdiDoc* doc, QWidget* parent) : QMainWindow(parent), doc_(doc)
{
    setWindowTitle("J57 - Utility");
    setWindowIcon(ShellIcons::ProgramIcon());
    resize(900, 640);

    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateAccelerators();

    client_ = new QWidget(this);
    clientLayout_ = new QVBoxLayout(client_);
    clientLayout_->setContentsMargins(0, 0, 0, 0);
    setCentralWidget(client_);

    sdiView_ = new CSdiView(doc_, client_);
    clientLayout_->addWidget(sdiView_);
    activeView_ = sdiView_;
    if (doc_)
        doc_->SetFrame(this);

    idleTimer_ = new QTimer(this);
    connect(idleTimer_, &QTimer::timeout, this, [this] {
        if (isVisible())
            UpdateCommandUI(true);
    });
    idleTimer_->start(kIdleUpdateMs);
}

CMainFrame::~CMainFrame()
{
    if (busy_ > 0)
        qApp->removeEventFilter(this);
    idleTimer_->stop();
    // The views leave the document before their widgets go.
    DeleteSplitter();
    if (doc_) {
        if (activeView_ && activeView_ != sdiView_)
            doc_->RemoveView(activeView_);
        if (doc_->GetFrame() == this)
            doc_->SetFrame(nullptr);
    }
}

QAction* CMainFrame::AddCommand(QAction* action, int id)
{
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] {
        // Accelerators of a disabled command do nothing, as its menu item.
        if (UpdateCommand(id).enabled)
            OnCommand(id);
    });
    actions_.emplace_back(id, action);
    return action;
}

void CMainFrame::CreateMenus()
{
    std::map<std::string, QMenu*> menus;
    for (const char* title : MainMenuTitles()) {
        QMenu* menu = menuBar()->addMenu(title);
        // Only the Setups menu shows states that need the instrument's
        // answer; it is asked once as that menu opens.
        const bool asksInstrument = std::string(title) == "&Setups";
        connect(menu, &QMenu::aboutToShow, this, [this, asksInstrument] {
            if (IsBusy())
                return;
            if (asksInstrument && doc_)
                doc_->AskInstrumentActiveSetup();
            UpdateCommandUI();
        });
        menus[title] = menu;
    }
    for (const MenuItemDef& item : MainMenuItems()) {
        QMenu* menu = menus.at(item.menu);
        menu->addAction(AddCommand(new QAction(item.text, menu), item.id));
        if (item.separatorAfter)
            menu->addSeparator();
    }
}

void CMainFrame::CreateToolBar()
{
    toolBar_ = new QToolBar("Toolbar", this);
    toolBar_->setObjectName("toolBar");
    toolBar_->setIconSize(QSize(23, 21));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setMovable(true);
    for (const ToolButtonDef& button : ToolbarButtons()) {
        if (button.id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        auto* action = new QAction(ShellIcons::ToolbarIcon(button.id), button.tooltip, toolBar_);
        action->setToolTip(button.tooltip);
        action->setStatusTip(button.tooltip);
        toolBar_->addAction(AddCommand(action, button.id));
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName("statusBar");
    connectionPane_ = new QLabel(bar);
    connectionPane_->setObjectName("connectionPane");
    bar->addPermanentWidget(connectionPane_);
    // The lock-key indicators; Qt cannot read the lock states, so they stand
    // dimmed as the indicators of keys that are off.
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(indicator, bar);
        pane->setObjectName(indicator);
        pane->setEnabled(false);
        bar->addPermanentWidget(pane);
    }
    bar->showMessage("Ready");
}

void CMainFrame::CreateAccelerators()
{
    for (const AcceleratorDef& accel : Accelerators()) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(accel.keys));
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(AddCommand(action, accel.id));
    }
}

void CMainFrame::InitialUpdateFrame()
{
    sdiView_->OnInitialUpdate();
    show();
    UpdateCommandUI();
}

void CMainFrame::RemoveRunStopCommands()
{
    QMenu* data = GetMenu("&Data");
    if (!data)
        return;
    for (QAction* action : data->actions()) {
        const int id = action->data().toInt();
        if (id == cmd::RunInstrument || id == cmd::StopInstrument)
            data->removeAction(action);
    }
}

QMenu* CMainFrame::GetMenu(const QString& title) const
{
    for (QAction* top : menuBar()->actions())
        if (top->menu() && top->text() == title)
            return top->menu();
    return nullptr;
}

std::vector<QAction*> CMainFrame::ActionsOf(int id) const
{
    std::vector<QAction*> found;
    for (const auto& [cmdId, action] : actions_)
        if (cmdId == id)
            found.push_back(action);
    return found;
}

// ------------------------------------------------------------ busy commands

CMainFrame::BusyCommand::BusyCommand(CMainFrame* frame) : frame_(frame)
{
    if (frame_)
        frame_->BeginBusy();
}

CMainFrame::BusyCommand::~BusyCommand()
{
    if (frame_)
        frame_->EndBusy();
}

void CMainFrame::BeginBusy()
{
    if (busy_++ > 0)
        return;
    qApp->installEventFilter(this);
    setCursor(Qt::WaitCursor);
}

void CMainFrame::EndBusy()
{
    if (busy_ <= 0 || --busy_ > 0)
        return;
    qApp->removeEventFilter(this);
    unsetCursor();
}

// While busy: what the user does to this window and the widgets in it is
// dropped. Other windows (the command's progress window and questions) are
// windows of their own and keep their input.
bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (busy_ > 0 && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        case QEvent::Close:
            // The program does not end under a command that still waits.
            if (watched == this) {
                event->ignore();
                return true;
            }
            break;
        default: break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- commands

void CMainFrame::OnCommand(int id)
{
    // Shortcuts reach their actions without a key event to this window; a
    // command that waits takes no other one meanwhile.
    if (IsBusy())
        return;
    CSdiApp* app = CSdiApp::Instance();
    if (!(doc_ && doc_->OnCommand(id)) && !OnFrameCommand(id) && app)
        app->OnCommand(id);
    UpdateCommandUI();
}

bool CMainFrame::HasFrameHandler(int id) const
{
    switch (id) {
    case cmd::HistogramOptions:
    case cmd::Rt60Options:
    case cmd::HelpDocument:
    case cmd::RunInstrument:
    case cmd::StopInstrument:
    case cmd::ViewToolbar:
    case cmd::ViewStatusBar:
    case cmd::NextPane:
    case cmd::PrevPane:
    case cmd::Exit:
        return true;
    default:
        return false;
    }
}

bool CMainFrame::OnFrameCommand(int id)
{
    switch (id) {
    case cmd::HistogramOptions: OnHistogramOptions(); return true;
    case cmd::Rt60Options: OnRt60Options(); return true;
    case cmd::HelpDocument: OnHelpDocument(); return true;
    case cmd::RunInstrument: OnRunInstrument(); return true;
    case cmd::StopInstrument: OnStopInstrument(); return true;
    case cmd::ViewToolbar: toolBar_->setVisible(toolBar_->isHidden()); return true;
    case cmd::ViewStatusBar: statusBar()->setVisible(statusBar()->isHidden()); return true;
    case cmd::NextPane: SwitchPane(true); return true;
    case cmd::PrevPane: SwitchPane(false); return true;
    case cmd::Exit: close(); return true;
    default: return false;
    }
}

bool CMainFrame::FrameUpdate(CmdUI& ui) const
{
    switch (ui.id) {
    case cmd::ViewToolbar:
        ui.Enable(true);
        ui.SetCheck(!toolBar_->isHidden());
        return true;
    case cmd::ViewStatusBar:
        ui.Enable(true);
        ui.SetCheck(!statusBar()->isHidden());
        return true;
    case cmd::NextPane:
    case cmd::PrevPane:
        ui.Enable(splitter_ != nullptr);
        return true;
    default:
        if (!HasFrameHandler(ui.id))
            return false;
        ui.Enable(true);
        return true;
    }
}

CmdUI CMainFrame::UpdateCommand(int id) const
{
    CmdUI ui;
    ui.id = id;
    if (doc_)
        doc_->OnUpdateCommand(ui);
    if (!ui.handled)
        FrameUpdate(ui);
    if (!ui.handled) {
        // A command nobody handles is unavailable.
        const CSdiApp* app = CSdiApp::Instance();
        ui.Enable((doc_ && doc_->HasCommandHandler(id)) || (app && app->HasCommandHandler(id)));
    }
    return ui;
}

void CMainFrame::UpdateCommandUI(bool toolbarOnly)
{
    UpdateConnectionPane();
    std::map<int, CmdUI> states;
    for (const auto& [id, action] : actions_) {
        if (toolbarOnly && !toolBar_->actions().contains(action))
            continue;
        auto it = states.find(id);
        if (it == states.end())
            it = states.emplace(id, UpdateCommand(id)).first;
        action->setEnabled(it->second.enabled);
        if (it->second.checkable) {
            action->setCheckable(true);
            action->setChecked(it->second.checked);
        }
    }
}

// ------------------------------------------------------------ view switch

void CMainFrame::SwitchView(int kind)
{
    platform::WaitCursor wait;
    BusyCommand busy(this);
    if (!doc_)
        return;
    CView* old = activeView_;
    switch (kind) {
    case kSetupView:
        if (old && old != sdiView_)
            old->Widget()->hide();
        doc_->AddView(sdiView_);
        sdiView_->setEnabled(true);
        sdiView_->show();
        activeView_ = sdiView_;
        if (old != sdiView_)
            RetireView(old);
        DeleteSplitter();
        break;
    case kDownloadView: {
        auto* view = new CMeasView(doc_, client_);
        clientLayout_->addWidget(view);
        if (old)
            old->Widget()->hide();
        view->show();
        view->OnInitialUpdate();
        activeView_ = view;
        RetireView(old);
        DeleteSplitter();
        platform::Pump();
        break;
    }
    case kTranslateView: {
        // A splitter still shown goes with its views.
        QSplitter* oldSplitter = splitter_;
        CBinTreeView* oldTree = treeView_;
        CDataReport* oldReport = reportView_;
        splitter_ = new QSplitter(Qt::Horizontal, client_);
        splitter_->setObjectName("translateSplitter");
        treeView_ = new CBinTreeView(doc_, splitter_);
        reportView_ = new CDataReport(doc_, splitter_);
        splitter_->addWidget(treeView_);
        splitter_->addWidget(reportView_);
        splitter_->setStretchFactor(1, 1);
        splitter_->setSizes({CBinTreeView::PaneWidth(), 100});
        clientLayout_->addWidget(splitter_);
        if (old)
            old->Widget()->hide();
        splitter_->show();
        treeView_->OnInitialUpdate();
        activeView_ = treeView_;
        reportView_->OnInitialUpdate();
        if (oldSplitter) {
            doc_->RemoveView(oldTree);
            doc_->RemoveView(oldReport);
            oldSplitter->hide();
            oldSplitter->deleteLater();
        } else {
            RetireView(old);
        }
        break;
    }
    default:
        DeleteSplitter();
        break;
    }
    UpdateCommandUI();
}

// The old view leaves: the Setup view is only disabled and taken out of the
// document; any other view is destroyed (its splitter goes separately).
void CMainFrame::RetireView(CView* old)
{
    if (!old)
        return;
    if (old == sdiView_) {
        sdiView_->setEnabled(false);
        doc_->RemoveView(sdiView_);
        return;
    }
    if (old == treeView_ || old == reportView_)
        return;
    doc_->RemoveView(old);
    old->Widget()->hide();
    // Later, as the command may have come from inside the view.
    old->Widget()->deleteLater();
}

void CMainFrame::DeleteSplitter()
{
    if (!splitter_)
        return;
    if (doc_) {
        doc_->RemoveView(treeView_);
        doc_->RemoveView(reportView_);
    }
    if (activeView_ == treeView_ || activeView_ == reportView_)
        activeView_ = nullptr;
    splitter_->hide();
    splitter_->deleteLater();
    splitter_ = nullptr;
    treeView_ = nullptr;
    reportView_ = nullptr;
}

void CMainFrame::SwitchPane(bool next)
{
    if (!splitter_)
        return;
    (void)next;  // two panes: next and previous are the other one
    QWidget* focus = treeView_->hasFocus() ? static_cast<QWidget*>(reportView_) : treeView_;
    focus->setFocus();
}

// ---------------------------------------------------------- frame handlers

void CMainFrame::RedrawAll()
{
    for (QWidget* child : findChildren<QWidget*>())
        child->update();
    repaint();
}

void CMainFrame::OnHistogramOptions()
{
    platform::Profile& profile = platform::AppProfile();
    HistogramOptionsDialog dialog(this);
    for (const HistogramDialogValue& value : kHistogramDialogValues)
        dialog.*value.member = value.option.Read(profile);
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (const HistogramDialogValue& value : kHistogramDialogValues)
        value.option.Write(profile, dialog.*value.member);
    RedrawAll();
}

void CMainFrame::OnRt60Options()
{
    if (rt60BandFlag_ < 0) {
        platform::AppPrompter().Message("No RT60 data has been loaded", platform::Icon::Warning);
        return;
    }
    platform::Profile& profile = platform::AppProfile();
    RT60OptionsDialog dialog(this);
    dialog.dBDown = profile.GetProfileString(kRt60Section, "dBDown", "10");
    dialog.startFreq = profile.GetProfileInt(kRt60Section, "StartFreq", 0);
    dialog.endFreq = profile.GetProfileInt(kRt60Section, "EndFreq", 32);
    dialog.bandFlag = rt60BandFlag_;
    if (dialog.exec() != QDialog::Accepted)
        return;
    profile.WriteProfileString(kRt60Section, "dBDown", dialog.dBDown);
    profile.WriteProfileInt(kRt60Section, "StartFreq", dialog.startFreq);
    profile.WriteProfileInt(kRt60Section, "EndFreq", dialog.endFreq);
    RedrawAll();
}

// "Connected: J57 serial A1234 on COM1" while the link stands; a link whose
// last command went unanswered says so, until a command gets through again.
void CMainFrame::UpdateConnectionPane()
{
    if (!connectionPane_)
        return;
    QString text = "Not Connected";
    const SlmLink* link = doc_ ? doc_->GetLink() : nullptr;
    const SerialPort* port = doc_ ? doc_->GetPort() : nullptr;
    if (link && port) {
        const QString portName = QString::fromStdString(platform::PortResolver::PortName(port->GetPortIndex() + 1));
        if (link->GetLastResult() == SlmLink::NO_RESPONSE || !port->IsOpen()) {
            text = "No answer from the J57 on " + portName;
        } else {
            std::string model = link->IdentificationText();
            const size_t at = model.rfind("Model ");
            if (at != std::string::npos)
                model = model.substr(at + 6);
            text = "Connected: " + QString::fromLatin1(model.c_str());
            if (!link->SerialNumberText().empty())
                text += " serial " + QString::fromLatin1(link->SerialNumberText().c_str());
            text += " on " + portName;
        }
    }
    if (connectionPane_->text() != text)
        connectionPane_->setText(text);
}

void CMainFrame::OnHelpDocument()
{
    const std::string folder =
        helpFolder_.empty() ? QCoreApplication::applicationDirPath().toStdString() : helpFolder_;
    const std::string path = folder + "/TessavoHelp.pdf";
    if (!FileExists(path)) {
        platform::AppPrompter().Message(
            "The on-line help file ('TessavoHelp.pdf') is missing.\n"
            "You will need to reinstall the J57 Utility to be able to view on-line help.",
            platform::Icon::Warning);
        return;
    }
    if (!platform::AppShellOpener().Open(path))
        platform::AppPrompter().Message(
            "Unable to start Acrobat reader to display the on-line help file.\n"
            "Please check to make sure that the the Acrobat viewer\n"
            "is installed on your system.",
            platform::Icon::Warning);
}

void CMainFrame::OnRunInstrument()
{
    if (doc_)
        doc_->OnRunInstrument();
}

void CMainFrame::OnStopInstrument()
{
    if (doc_)
        doc_->OnStopInstrument();
}

QAction* CMainFrame::MakeSetupContextAction(int id, QObject* parent)
{
    const char* text = SetupContextText(id);
    auto* action = new QAction(ShellIcons::SetupCommandIcon(id), text ? text : "", parent);
    action->setData(id);
    return action;
}
