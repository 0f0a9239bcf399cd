#pragma once
// The application object: keeps the start folder and the command line's
// upgrade request, makes the document and the main frame, and carries out
// the commands that belong to the program as a whole (About, Print Setup).
// It runs on the QApplication that main() makes.
#include <memory>
#include <string>
#include <vector>

#include "RecentFileList.h"

class CSdiDoc;
class CMainFrame;
class QPrinter;

class CSdiApp {
public:
    // startDir: the folder current at start (read from the system when
    // omitted; empty when it cannot be read).
    CSdiApp();
    explicit CSdiApp(std::string startDir);
    ~CSdiApp();
    CSdiApp(const CSdiApp&) = delete;
    CSdiApp& operator=(const CSdiApp&) = delete;

    // The running application object, null when there is none.
    static CSdiApp* Instance();

    // Start-up with the command-line words (without the program name).
    // False when the program should end at once: after an upgrade run, or
    // when the shell command failed.
    bool InitInstance(const std::vector<std::string>& args);

    const std::string& GetStartDir() const { return startDir_; }
    // The program's own folder, where the default setup files and the help
    // document are installed.
    const std::string& GetProgramDir() const { return programDir_; }
    void SetProgramDir(std::string dir) { programDir_ = std::move(dir); }
    bool UpgradeFlag() const { return upgradeFlag_; }
    const std::string& UpgradePath() const { return upgradePath_; }

    CSdiDoc* GetDocument() const { return doc_.get(); }
    CMainFrame* GetMainFrame() const { return frame_.get(); }
    RecentFileList& RecentFiles() { return recentFiles_; }

    bool HasCommandHandler(int id) const;
    bool OnCommand(int id);
    void OnAppAbout();
    void OnFilePrintSetup();
    // The printer the report view prints on, set up by Print Setup.
    QPrinter& Printer();

private:
    std::string startDir_;
    std::string programDir_;
    bool upgradeFlag_ = false;
    std::string upgradePath_;
    RecentFileList recentFiles_;
    std::unique_ptr<CSdiDoc> doc_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<QPrinter> printer_;
};
