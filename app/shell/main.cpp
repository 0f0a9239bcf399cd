#include <string>
#include <vector>

#include <QApplication>

#include "CSdiApp.h"
#include "QtPlatform.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // After the QApplication, so that its windows go before it does; the
    // start folder is still the one current at start.
    CSdiApp sdiApp;
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
