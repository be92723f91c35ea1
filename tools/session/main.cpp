// SPDX-License-Identifier: GPL-3.0-or-later
// txsession: one bench session through the real window, for the memory check (scripts/memcheck) and
// anything else that wants the program exercised end to end without a desktop: start the window,
// OPEN the emulator's port, READ, WRITE, CLOSE, quit. The emulator (build/txemu) runs as a process of
// its own. Exits 0 when every step did what it should.
#include "app/logoutput.h"
#include "app/mainwindow.h"
#include "params/parameterset.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include <cstdio>

namespace {

int fail(const char *step)
{
    std::fprintf(stderr, "txsession: %s\n", step);
    return 1;
}

// Runs the event loop until `done` or `ms` have passed.
template <typename Done> bool runUntil(Done done, int ms)
{
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    look.start(20);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    if (!done()) loop.exec();
    return done();
}

} // namespace

int main(int argc, char *argv[])
{
    installLogOutput();
    QApplication app(argc, argv);
    QProcess emulator;
    emulator.setStandardErrorFile(QProcess::nullDevice());
    emulator.start(QCoreApplication::applicationDirPath() + "/txemu", QStringList());
    if (!emulator.waitForReadyRead(10000)) return fail("the emulator did not start");
    const QString port = QString::fromLocal8Bit(emulator.readLine()).trimmed();
    qputenv("TXCONFIG_EXTRA_PORTS", port.toLocal8Bit());

    int status = 0;
    // A session that goes as it should shows no box: a Note (an incomplete read, a failed check) or a
    // question fails the session and is answered with its default, so the session goes on to its end.
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, [&status] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            std::fprintf(stderr, "txsession: a box said: %s\n", qPrintable(box->text()));
            status = 1;
            box->reject();
        }
    });
    boxes.start(50);
    {
        MainWindow window;
        window.show();
        auto *box = window.findChild<QComboBox *>("portNameBox");
        auto *open = window.findChild<QAbstractButton *>("openButton");
        // The ports are listed as the window first draws the port box.
        if (!runUntil([&] { return box->findText(port) >= 0; }, 60000))
            return fail("the port was not listed");
        box->setCurrentIndex(box->findText(port));
        std::printf("OPEN\n");
        open->click();
        if (open->text() != "CLOSE") return fail("OPEN: the port did not open");

        // The emulator answers with its demonstration model, whose last block is number 19.
        std::printf("READ\n");
        params.ReadFlag = 0;
        window.findChild<QAbstractButton *>("toolButton_Read")->click();
        if (!runUntil([] { return params.ReadFlag == 19; }, 20000)) status = fail("READ: no answer");

        std::printf("WRITE\n");
        window.findChild<QAbstractButton *>("toolButton_Send")->click();

        std::printf("CLOSE\n");
        open->click();
        if (open->text() != "OPEN") status = fail("CLOSE: the port stayed open");
        std::printf("quit\n");
    }
    emulator.terminate();
    emulator.waitForFinished(5000);
    return status;
}
