// Renders every page of the main window to <dir>/<page>.png for the documentation.
#include "app/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return 1;
    }

    MainWindow window;
    window.show();
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    if (!tabs) return 1;

    // Pages by their widget, not their index: the tabs are movable.
    const std::pair<const char *, const char *> pages[] = {
        {"tab", "servo"},      {"tab_2", "basic"},   {"tab_3", "advance1"},
        {"tab_4", "advance2"}, {"tab_7", "progmix"}, {"tab_6", "system"},
    };
    int failures = 0;
    for (const auto &[page, file] : pages) {
        tabs->setCurrentWidget(tabs->findChild<QWidget *>(QLatin1String(page)));
        // a few display passes and curve repaints, so the page shows what a user would see
        QEventLoop settle;
        QTimer::singleShot(350, &settle, &QEventLoop::quit);
        settle.exec();
        const QString path = dir + '/' + file + ".png";
        if (window.grab().save(path))
            std::printf("%s\n", qPrintable(path));
        else
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
