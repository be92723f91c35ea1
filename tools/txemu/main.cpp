// SPDX-License-Identifier: GPL-3.0-or-later
// txemu: an emulated transmitter on a pseudo-terminal, for trying the tool without hardware.
// Prints the port to open on stdout, logs what the tool sends on stderr, runs until SIGINT/SIGTERM
// (or until it pulls its own cable with --hang-up-after). SIGUSR1 stops the live frames and, once the
// last of them is written, prints how many went out.

#include "emulatormodel.h"
#include "txemulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int signal)
{
    const char c = char(signal);
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &c, 1);
}

// A line per token: commands as text, frames as text, stray bytes in hex.
void logToken(const QByteArray &token, qint64 atMs)
{
    const bool printable =
        std::all_of(token.begin(), token.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
    const QByteArray text = printable ? token : "? " + token.toHex(' ');
    std::fprintf(stderr, "%8.3f s  %s\n", atMs / 1000.0, text.constData());
}

// Replaces a stale symlink; refuses to replace anything else.
bool makeLink(const QString &target, const QString &link)
{
    const QFileInfo info(link);
    if (info.isSymLink())
        QFile::remove(link);
    else if (info.exists())
        return false;
    return QFile::link(target, link);
}

// "2,17": frame numbers 1..19; false, with a line on stderr, for anything else.
bool parseFrameNumbers(const QString &text, QSet<int> *numbers)
{
    for (const QString &n : text.split(',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int number = n.toInt(&ok);
        if (!ok || number < 1 || number > 19) {
            std::fprintf(stderr, "txemu: no frame number '%s' (1..19)\n", qPrintable(n));
            return false;
        }
        numbers->insert(number);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("txemu");
    QCommandLineParser parser;
    parser.setApplicationDescription("Emulated transmitter on a pseudo-terminal.");
    parser.addHelpOption();
    const QCommandLineOption linkOpt("link", "Make a symlink to the port at <path>.", "path");
    const QCommandLineOption factoryOpt("factory", "Start with the start-up parameter set.");
    const QCommandLineOption channelOpt("channel-rate", "Channel frames per second (50).", "hz", "50");
    const QCommandLineOption telemetryOpt("telemetry-rate", "Telemetry frames per second (10).", "hz", "10");
    const QCommandLineOption everyOpt("telemetry-every",
                                      "A telemetry frame after every <n>th channel frame instead.", "n");
    const QCommandLineOption gapOpt("write-gap", "Milliseconds between two writes (3).", "ms", "3");
    const QCommandLineOption chunkOpt("chunking", "whole, split, merged or random (whole).", "mode", "whole");
    const QCommandLineOption seedOpt("seed", "Seed of the random chunking (1).", "n", "1");
    const QCommandLineOption hostileOpt("adversarial", "Live frames full of marker bytes.");
    const QCommandLineOption stillOpt("still", "Sticks and telemetry held still: every live frame the same.");
    const QCommandLineOption hangOpt("hang-up-after", "Pull the cable after <ms> milliseconds.", "ms");
    const QCommandLineOption withholdOpt("withhold", "Leave these frame numbers (1..19) out of a read.",
                                         "n,n,...");
    const QCommandLineOption onceOpt("withhold-once", "Leave these frame numbers out of the first read only.",
                                     "n,n,...");
    const QCommandLineOption silentOpt("no-answer", "Never answer a read.");
    const QCommandLineOption ignoreOpt("ignore-frame", "Take the S, G, H or I frame in but do not store it.",
                                       "letter");
    const QCommandLineOption unaskedOpt(
        "unasked-block-every", "While streaming, send block 2 (the sub-trims) unasked every <ms>.", "ms");
    parser.addOptions({linkOpt, factoryOpt, channelOpt, telemetryOpt, everyOpt, gapOpt, chunkOpt, seedOpt,
                       hostileOpt, stillOpt, hangOpt, withholdOpt, onceOpt, silentOpt, ignoreOpt,
                       unaskedOpt});
    parser.process(app);

    Chunking chunking;
    if (!parseChunking(parser.value(chunkOpt), &chunking)) {
        std::fprintf(stderr, "txemu: unknown chunking '%s'\n", qPrintable(parser.value(chunkOpt)));
        return 2;
    }

    QSet<int> withheld, withheldOnce;
    if (!parseFrameNumbers(parser.value(withholdOpt), &withheld) ||
        !parseFrameNumbers(parser.value(onceOpt), &withheldOnce))
        return 2;
    const QString ignored = parser.value(ignoreOpt);
    if (!ignored.isEmpty() && !QStringLiteral("SGHI").contains(ignored)) {
        std::fprintf(stderr, "txemu: no text frame '%s' (S, G, H or I)\n", qPrintable(ignored));
        return 2;
    }

    TxEmulator emulator;
    emulator.setWithheld(withheld);
    emulator.setWithheldOnce(withheldOnce);
    emulator.setSilent(parser.isSet(silentOpt));
    if (ignored.size() == 1) emulator.setIgnoredFrame(ignored.at(0).toLatin1());
    if (parser.isSet(factoryOpt)) emulator.setModel(ParameterSet{});
    emulator.setChannelRate(parser.value(channelOpt).toInt());
    emulator.setTelemetryRate(parser.value(telemetryOpt).toInt());
    emulator.setTelemetryEvery(parser.value(everyOpt).toInt());
    emulator.setWriteGap(std::max(1, parser.value(gapOpt).toInt()));
    emulator.setChunking(chunking, parser.value(seedOpt).toUInt());
    emulator.setAdversarial(parser.isSet(hostileOpt));
    emulator.setStill(parser.isSet(stillOpt));
    if (!emulator.open()) {
        std::fprintf(stderr, "txemu: cannot open a pseudo-terminal: %s\n",
                     qPrintable(emulator.errorString()));
        return 1;
    }

    const QString link = parser.value(linkOpt);
    if (!link.isEmpty() && !makeLink(emulator.slavePath(), link)) {
        std::fprintf(stderr, "txemu: cannot make the link %s\n", qPrintable(link));
        return 1;
    }
    std::printf("%s\n", qPrintable(emulator.slavePath()));
    std::fflush(stdout);

    int wwwReceived = 0;
    QObject::connect(&emulator, &TxEmulator::tokenReceived,
                     [&wwwReceived](const QByteArray &token, qint64 atMs) {
                         if (token == "WWW") ++wwwReceived;
                         logToken(token, atMs);
                     });
    QObject::connect(&emulator, &TxEmulator::streamingChanged,
                     [](bool on) { std::fprintf(stderr, "streaming %s\n", on ? "on" : "off"); });
    // With the line gone there is nothing left to emulate.
    QObject::connect(&emulator, &TxEmulator::hungUp, &app, [] {
        std::fprintf(stderr, "hung up\n");
        QCoreApplication::quit();
    });
    // A block nobody asked for, such as the tail of a frame can look like: it must change nothing.
    QTimer unasked;
    if (parser.isSet(unaskedOpt)) {
        QObject::connect(&unasked, &QTimer::timeout, [&emulator] {
            if (!emulator.isStreaming()) return;
            ParameterSet odd = emulator.model();
            for (IntField f : fields::sub) odd.*f = -100;
            emulator.sendUnaskedBlock(2, odd);
        });
        unasked.start(std::max(1, parser.value(unaskedOpt).toInt()));
    }
    if (parser.isSet(hangOpt))
        QTimer::singleShot(parser.value(hangOpt).toInt(), &emulator, &TxEmulator::hangUp);

    // Signals reach the event loop through a socket pair, the only thing safe to do in a handler.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return 1;
    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QTimer drainWatch;
    drainWatch.setInterval(10);
    QObject::connect(&drainWatch, &QTimer::timeout, [&] {
        if (emulator.hasPendingOutput()) return;
        drainWatch.stop();
        std::printf("streamed: %d channel frames, %d telemetry frames; received: %d WWW\n",
                    emulator.channelFramesSent(), emulator.telemetryFramesSent(), wwwReceived);
        std::fflush(stdout);
    });
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, [&] {
        char c = 0;
        if (::read(signalPipe[0], &c, 1) == 1 && c == SIGUSR1) {
            emulator.stopStreaming();
            drainWatch.start();
            return;
        }
        QCoreApplication::quit();
    });
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGUSR1, onSignal);

    const int rc = app.exec();
    if (!link.isEmpty() && QFileInfo(link).isSymLink()) QFile::remove(link);
    return rc;
}
