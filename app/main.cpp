#include "app/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // QSettings keeps the last port and folder under these names (~/.config/txconfig/txconfig.conf).
    QCoreApplication::setOrganizationName(QStringLiteral("txconfig"));
    QCoreApplication::setApplicationName(QStringLiteral("txconfig"));
    MainWindow window;
    window.show();
    return app.exec();
}
