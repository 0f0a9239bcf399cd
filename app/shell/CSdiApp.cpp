#include "CSdiApp.h"

#include <unistd.h>

#include <climits>

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

#include "AboutDialog.h"
#include "AppCommandLineInfo.h"
#include "CMainFrame.h"
#include "CSdiDoc.h"
#include "CommandIds.h"
#include "Profile.h"
#include "Prompter.h"

namespace {

CSdiApp* g_app = nullptr;

constexpr size_t kRecentFiles = 4;

std::string CurrentFolder()
{
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

}  // namespace

CSdiApp::CSdiApp() : CSdiApp(CurrentFolder()) {}

CSdiApp::CSdiApp(std::string startDir)
    : startDir_(std::move(startDir)), recentFiles_(kRecentFiles)
{
    g_app = this;
    if (QCoreApplication::instance())
        programDir_ = QCoreApplication::applicationDirPath().toStdString();
}

CSdiApp::~CSdiApp()
{
    frame_.reset();
    doc_.reset();
    if (g_app == this)
        g_app = nullptr;
}

CSdiApp* CSdiApp::Instance()
{
    return g_app;
}

bool CSdiApp::InitInstance(const std::vector<std::string>& args)
{
    recentFiles_.Load();

    AppCommandLineInfo cmdInfo;
    cmdInfo.Parse(args);
    upgradeFlag_ = cmdInfo.upgradeFlag;
    upgradePath_ = cmdInfo.upgradePath;

    // The shell command: the document, the frame with its Setup view, and
    // the frame's first update (which runs a requested upgrade).
    doc_ = std::make_unique<CSdiDoc>();
    frame_ = std::make_unique<CMainFrame>(doc_.get());
    if (cmdInfo.shellCommand == AppCommandLineInfo::ShellCommand::FileOpen) {
        if (!doc_->OnOpenDocument(cmdInfo.fileName)) {
            platform::AppPrompter().Message("Failed to open document.", platform::Icon::Warning);
            return false;
        }
        recentFiles_.Add(cmdInfo.fileName);
    }
    frame_->InitialUpdateFrame();

    if (platform::AppProfile().GetProfileInt("Special Operations", "Status", 0) == 0)
        frame_->RemoveRunStopCommands();

    return !upgradeFlag_;
}

bool CSdiApp::HasCommandHandler(int id) const
{
    return id == cmd::About || id == cmd::PrintSetup;
}

bool CSdiApp::OnCommand(int id)
{
    switch (id) {
    case cmd::About: OnAppAbout(); return true;
    case cmd::PrintSetup: OnFilePrintSetup(); return true;
    default: return false;
    }
}

void CSdiApp::OnAppAbout()
{
    AboutDialog about(frame_.get());
    about.exec();
}

void CSdiApp::OnFilePrintSetup()
{
    QPrintDialog dialog(&Printer(), frame_.get());
    dialog.exec();
}

QPrinter& CSdiApp::Printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>();
    return *printer_;
}
