#include <clocale>

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStorageInfo>
#include <QUrl>

#include "Clock.h"
#include "Files.h"
#include "QtPlatform.h"
#include "QtProfile.h"
#include "QtPrompter.h"

namespace platform {

namespace {

class QtShellOpener : public ShellOpener {
public:
    bool Open(const std::string& path) override
    {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    bool IsViewerRegistered(const std::string& extension) override
    {
        return xdg_.IsViewerRegistered(extension);
    }

private:
    XdgShellOpener xdg_;
};

}  // namespace

void InstallQtPlatform()
{
    // QApplication takes the user's locale for the C library too; numbers in
    // reports, exports and instrument commands must not get a decimal comma.
    std::setlocale(LC_NUMERIC, "C");
    static QtProfile profile;
    static QtPrompter prompter;
    static QtShellOpener opener;
    SetAppProfile(&profile);
    SetAppPrompter(&prompter);
    SetAppShellOpener(&opener);
    InstallQtPump();
}

void InstallQtPump()
{
    SetPumpHook([] { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); });
    WaitCursor::SetHook([](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
}

std::vector<std::string> QtDriveLister::Drives()
{
    std::vector<std::string> drives{"/"};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        std::string root = volume.rootPath().toStdString();
        if (root == "/" || !QString(volume.device()).startsWith("/dev/"))
            continue;
        drives.push_back(root);
    }
    return drives;
}

}  // namespace platform
