#include <QApplication>

#include "MainWindow.h"
#include "QtPlatform.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Morvek-Audio");
    QApplication::setApplicationName("J57 Utility");
    platform::InstallQtPlatform();
    MainWindow window;
    window.show();
    return app.exec();
}
