#include "Startup.h"
#include "GuardedApplication.h"

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    registerAllWindows();
    Main();
    return app.exec();
}
