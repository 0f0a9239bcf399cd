#include <string>
#include <vector>

#include <QApplication>

#include "CSdiApp.h"
#include "QtPlatform.h"

int main(int argc, char* argv[])
{
    CSdiApp sdiApp;  // the start folder is the one current now
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Morvek-Audio");
    QApplication::setApplicationName("J57 Utility");
    platform::InstallQtPlatform();

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    if (!sdiApp.InitInstance(args))
        return sdiApp.UpgradeFlag() ? 0 : 1;
    return app.exec();
}
