// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/glchoice.h"
#include "app/logoutput.h"
#include "app/mainwindow.h"
#ifdef Q_OS_UNIX
#include "app/signalexit.h"
#endif
#include "files/language.h"
#include "files/usersettings.h"
#include "files/version.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <QSessionManager>
#include <cstdio>

namespace {

int finish(const CommandLineRequest &request)
{
    std::fputs(request.text.toLocal8Bit().constData(),
               request.action == CommandLineRequest::Refuse ? stderr : stdout);
    return request.exitCode();
}

} // namespace

int main(int argc, char *argv[])
{
    installLogOutput();
    // Without scaling the point-sized fonts grow with the desktop's DPI while the pixel-placed form does
    // not, and the tab captions run into each other. Fractional factors are kept, so a 150 % desktop
    // gets 1.5 and a window that still fits its screen, not 2. Qt 6 always scales; only Qt 5 is asked.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    // QSettings keeps the last port and folder under these names (~/.config/txconfig/txconfig.conf).
    QCoreApplication::setOrganizationName(QStringLiteral("txconfig"));
    QCoreApplication::setApplicationName(QStringLiteral("txconfig"));
    // Chosen once, before --help is answered, so that the help is in the language too.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const QString language =
        chooseLanguage(languageArgument(arguments), savedLanguage(), QLocale::system().uiLanguages());

    {
        // --help and --version are answered by a window-less application, so they work without a display.
        QCoreApplication probe(argc, argv);
        const Translations probeWords(language);
        const CommandLineRequest early = readCommandLine(probe.arguments(), false);
        if (early.action != CommandLineRequest::OpenWindow) return finish(early);
    }

    const bool withoutGl = leaveOutOpenGl();
    QApplication app(argc, argv);
    const Translations words(language);
    const CommandLineRequest request = readCommandLine(app.arguments());
    if (request.action == CommandLineRequest::AnswerAll) showAllHelp(app.arguments());
    if (request.action != CommandLineRequest::OpenWindow) return finish(request);
    if (!request.warning.isEmpty()) std::fputs(request.warning.toLocal8Bit().constData(), stderr);

    // The launcher's name ties the window to its menu entry.
    QGuiApplication::setDesktopFileName(QLatin1String(kDesktopId));

    MainWindow window;
#ifdef Q_OS_UNIX
    // A logout or a kill from the shell ends the program as a close would, without a question.
    const SignalExit signalExit([&window] { window.endWithoutAsking(); });
#endif
    // The desktop's logout: the edits are kept as a draft, and no question holds the logout up.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    app.setFallbackSessionManagementEnabled(false);
#endif
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager &) { window.keepDraftForLogout(); });
    // Too large for the screen (a high scale on a small screen): maximised, so the window manager
    // fits it between the panels, and the form scrolls.
    if (window.fitInto(window.screen()->availableGeometry().size()))
        window.showMaximized();
    else
        window.show();
    restoreOpenGlChoice(withoutGl);
    return app.exec();
}
