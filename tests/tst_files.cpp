// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filedialogs.h"
#include "files/paramfile.h"
#include "link/textframes.h"
#include "params/rules.h"
#include "support/framestreams.h"
#include "support/linkrig.h"
#include "support/modalwatcher.h"
#include "support/randomparams.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using support::LinkRig;
using support::ModalWatcher;

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

QString framesOf(ParameterSet p)
{
    QString text;
    for (TextFrame f : {TextFrame::S, TextFrame::G, TextFrame::H, TextFrame::I})
        text += buildFrame(f, p, frameTemplate(f));
    return text;
}

// "All file (*.* *)" -> {"*.*", "*"}
QStringList patternsOf(const QString &view)
{
    return view.section('(', 1).section(')', 0, 0).split(' ', Qt::SkipEmptyParts);
}

bool sameCarried(const ParameterSet &a, const ParameterSet &b)
{
    return framesOf(a) == framesOf(b);
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    void save(LinkRig &rig, ModalWatcher &watcher, const QString &path)
    {
        watcher.answerFileDialog(path);
        rig.button("toolButton_Save")->click();
    }
    void load(LinkRig &rig, ModalWatcher &watcher, const QString &path)
    {
        watcher.answerFileDialog(path);
        rig.button("toolButton_Load")->click();
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void init() { params = ParameterSet{}; }

    void saveThenLoadGivesBackTheSet_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::newRow("start-up set") << 0u;
        QTest::newRow("random 17") << 17u;
        QTest::newRow("random 4242") << 4242u;
    }
    void saveThenLoadGivesBackTheSet()
    {
        QFETCH(quint32, seed);
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        if (seed) {
            QRandomGenerator rng(seed);
            params = randomValidParameters(rng);
            selectDualRate(params);
            QTest::qWait(250);
        }
        params.Vertion = 321;
        const ParameterSet saved = params;
        // Save takes telemetry's trims as they come; let the transmitter report the ones in the set.
        ParameterSet model = rig.emu.model();
        for (IntField f : fields::StkTrim) model.*f = saved.*f;
        rig.emu.setModel(model);
        const QString path = dir.filePath(QString("model-%1.txt").arg(seed));
        save(rig, watcher, path);
        QCOMPARE(watcher.fileDialogs, 1);
        const QByteArray bytes = readFile(path);
        QCOMPARE(bytes.size(), 324);
        QCOMPARE(QString::fromLatin1(bytes), framesOf(saved));
        QCOMPARE(rig.textFrames().size(), 4); // saving also sends
        QVERIFY(sameCarried(rig.emu.model(), saved));
        QVERIFY(!rig.emu.receivedBytes().endsWith("WWW") || rig.emu.receivedBytes().size() > 0);

        params = ParameterSet{};
        params.Vertion = 5;
        QTest::qWait(250);
        load(rig, watcher, path);
        QVERIFY(sameCarried(params, saved));
        QCOMPARE(params.Vertion, 5); // not part of a file
        QCOMPARE(params.StkTrimLock, 0);
        QCOMPARE(LoadText.size(), 324);
        QCOMPARE(rig.textFrames().size(), 8); // loading sends the set again
        QVERIFY(watcher.boxes.isEmpty());
    }

    void loadSanitisesBeforeSending()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        QString text = framesOf(ParameterSet{});
        text.replace(25, 2, QString::number(200 + 16, 16).toUpper()); // end point 200 %
        text.replace(9, 2, "zz");                                     // sub-trim not hexadecimal
        const QString path = dir.filePath("wide.txt");
        writeFile(path, text.toLatin1());
        load(rig, watcher, path);
        QCOMPARE(params.Lepa1, 96);
        QCOMPARE(params.sub1, 0);
        const auto frames = rig.textFrames();
        QCOMPARE(frames.size(), 4);
        QCOMPARE(frames[0].token.mid(25, 2), QByteArray("70")); // the wire carries the corrected 96
        QCOMPARE(frames[0].token.mid(9, 2), QByteArray("78"));
        QCOMPARE(rig.emu.model().Lepa1, 96);
    }

    void loadRefusesWhatIsNotAParameterFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QRandomGenerator rng(5);
        QByteArray noise(5 * 1024, 0);
        for (char &c : noise) c = char(rng.bounded(256));
        noise[0] = 'x'; // a random S at 0 and Y at 80 would make a frame
        QTest::newRow("random 5 KB") << noise;
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("frames on lines") << (framesOf(ParameterSet{})
                                                 .insert(81 * 3, '\n')
                                                 .insert(81 * 2, '\n')
                                                 .insert(81, '\n')
                                                 .insert(0, '\n'))
                                                .toLatin1();
    }
    void loadRefusesWhatIsNotAParameterFile()
    {
        QFETCH(QByteArray, bytes);
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        params.sub5 = 44;
        const ParameterSet before = params;
        const QString path = dir.filePath("not-a-model.bin");
        writeFile(path, bytes);
        load(rig, watcher, path);
        QCOMPARE(watcher.boxes.size(), 1);
        QCOMPARE(watcher.boxes[0].title, QString("ERROR"));
        QCOMPARE(
            watcher.boxes[0].text,
            QString("Cannot read the specified file!\n\n%1: not a parameter file, none of its S, G, H and I "
                    "frames is in place. Nothing was loaded or sent.")
                .arg(path));
        QVERIFY(sameCarried(params, before));
        QTest::qWait(100);
        QCOMPARE(rig.commands(), QList<QByteArray>{"OK"});
    }

    void loadAsksBeforeTakingTheFramesLeftOfADamagedFile_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("Load") << "Load";
        QTest::newRow("Cancel") << "Cancel";
    }
    void loadAsksBeforeTakingTheFramesLeftOfADamagedFile()
    {
        QFETCH(QString, answer);
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        watcher.answer = answer;
        ParameterSet file;
        file.sub5 = -30;         // S
        file.THCURE_Data04 = 12; // H, damaged below
        QString text = framesOf(file);
        text[162] = 'h';
        const QString path = dir.filePath("damaged.txt");
        writeFile(path, text.toLatin1());
        load(rig, watcher, path);
        QCOMPARE(watcher.boxes.size(), 1); // the question; the read-back finds the frames sent
        QCOMPARE(watcher.boxes[0].text.section("\n\n", 0, 0),
                 QString("%1 is damaged: its H frame cannot be read.").arg(path));
        QCOMPARE(watcher.boxes[0].defaultButton, QString("Cancel"));
        if (answer == "Cancel") {
            QCOMPARE(params.sub5, ParameterSet{}.sub5);
            QTest::qWait(100);
            QCOMPARE(rig.commands(), QList<QByteArray>{"OK"});
            return;
        }
        QCOMPARE(params.sub5, -30);
        QCOMPARE(params.THCURE_Data04, ParameterSet{}.THCURE_Data04); // the form's value stays
        QCOMPARE(rig.textFrames().size(), 4);
    }

    void aHugeFileIsReadOnlyAsFarAsItMatters()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        ModalWatcher watcher;
        ParameterSet p;
        p.Atti4 = 12;
        QByteArray bytes = framesOf(p).toLatin1();
        bytes.append(QByteArray(10 * 1024 * 1024, 'M'));
        const QString path = dir.filePath("huge.dat");
        writeFile(path, bytes);
        struct rusage before, after;
        getrusage(RUSAGE_SELF, &before);
        load(rig, watcher, path);
        getrusage(RUSAGE_SELF, &after);
        QCOMPARE(params.Atti4, 12);
        QCOMPARE(LoadText.size(), int(kMaxParameterFileBytes));
        // Reading it whole would take 20 MiB as text; the peak stays far below that. (Not under ASan,
        // whose quarantine keeps every freed block, so there the peak says nothing about the reading.)
#ifndef __SANITIZE_ADDRESS__
        QVERIFY2(after.ru_maxrss - before.ru_maxrss < 8 * 1024,
                 qPrintable(QString("peak grew by %1 KiB").arg(after.ru_maxrss - before.ru_maxrss)));
#endif
        QVERIFY(watcher.boxes.isEmpty());
    }

    void cancelledDialogs()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        save(rig, watcher, QString());
        QCOMPARE(watcher.fileDialogs, 1);
        QCOMPARE(rig.textFrames().size(), 0);

        // As a received chunk might leave it before the sanitiser; no editor shows it, so a display pass
        // in the hold-off cannot clamp it first.
        params.DR_UP_CH3 = 500;
        params.DR_CH = 1;
        params.DR_UP_CH2 = 20;
        load(rig, watcher, QString());
        QCOMPARE(params.DR_UP_CH3, ParameterSet{}.DR_UP_CH3);
        QCOMPARE(params.DR_UP1, 20);
        QCOMPARE(params.StkTrimLock, 0);
        QCOMPARE(rig.textFrames().size(), 0);
        QVERIFY(watcher.boxes.isEmpty());
    }

    void unusablePathsShowTheErrorAndSendNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("saving");
        QTest::newRow("save into a missing folder") << "missing/folder/model.txt" << true;
        QTest::newRow("save onto a folder") << "." << true;
        QTest::newRow("load a missing file") << "missing.txt" << false;
    }
    void unusablePathsShowTheErrorAndSendNothing()
    {
        QFETCH(QString, path);
        QFETCH(bool, saving);
        LinkRig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.openLink());
        ModalWatcher watcher;
        const QString full = path == "." ? dir.path() : dir.filePath(path);
        if (saving)
            save(rig, watcher, full);
        else
            load(rig, watcher, full);
        QCOMPARE(watcher.boxes.size(), 1);
        QCOMPARE(watcher.boxes[0].title, QString("ERROR"));
        QCOMPARE(watcher.boxes[0].text.section("\n\n", 0, 0), QString("Cannot read the specified file!"));
        // The second paragraph names the file and the system's reason.
        QVERIFY2(watcher.boxes[0].text.startsWith("Cannot read the specified file!\n\n" + full + ": "),
                 qPrintable(watcher.boxes[0].text));
        QTest::qWait(100);
        QCOMPARE(rig.textFrames().size(), 0);
        QCOMPARE(params.StkTrimLock, 0);
        QVERIFY(QFileInfo(dir.path()).isDir());
    }

    void theOldFileSurvivesUntilTheNewOneIsComplete()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        ModalWatcher watcher;
        const QString path = dir.filePath("kept.txt");
        writeFile(path, "previous model");
        params.FS2 = 11;
        QByteArray seenDuringWaits;
        QTimer::singleShot(200 + rig.frameGapMs * 2, [&] { seenDuringWaits = readFile(path); });
        save(rig, watcher, path);
        QCOMPARE(seenDuringWaits, QByteArray("previous model"));
        const QByteArray now = readFile(path);
        QCOMPARE(now.size(), 324);
        QCOMPARE(now.mid(59, 2), QByteArray("1B"));
    }

    void aFailedWriteLeavesTheOldFileIntact()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        ModalWatcher watcher;
        const QString path = dir.filePath("full-disk.txt");
        writeFile(path, "previous model");
        // A file-size limit makes every write past 100 bytes fail, as a full disk would.
        struct rlimit old;
        getrlimit(RLIMIT_FSIZE, &old);
        struct rlimit limit = old;
        limit.rlim_cur = 100;
        auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
        save(rig, watcher, path);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(watcher.boxes.size(), 1);
        QCOMPARE(watcher.boxes[0].title, QString("ERROR"));
        QCOMPARE(readFile(path), QByteArray("previous model"));
        QCOMPARE(QDir(dir.path()).entryList({"full-disk.txt*"}, QDir::Files | QDir::Hidden).size(), 1);
    }

    void aNameWithoutSuffixSavesAsTxtAndLoadsBack()
    {
        const QString files = "file (*.txt *.dat)";
        QCOMPARE(withParameterFileSuffix("/m.v2/newmodel", files), QString("/m.v2/newmodel.txt"));
        QCOMPARE(withParameterFileSuffix("/m/glider.dat", files), QString("/m/glider.dat"));
        QCOMPARE(withParameterFileSuffix("/m/newmodel", "allfile (*.*)"), QString("/m/newmodel"));

        LinkRig rig;
        QVERIFY(rig.start());
        ModalWatcher watcher;
        QDir(dir.path()).mkdir("club");
        const QString folder = dir.filePath("club");
        params.FS3 = 42;
        save(rig, watcher, folder + "/newmodel");
        QVERIFY(!QFile::exists(folder + "/newmodel"));
        const QByteArray saved = readFile(folder + "/newmodel.txt");
        QCOMPARE(saved.size(), 324);

        // Typed again while newmodel.txt exists: the user is asked, and No keeps the file.
        params.FS3 = 7;
        watcher.answer = "No";
        save(rig, watcher, folder + "/newmodel");
        QCOMPARE(watcher.boxes.size(), 1);
        QCOMPARE(watcher.boxes[0].text, QString("newmodel.txt already exists.\nDo you want to replace it?"));
        QCOMPARE(readFile(folder + "/newmodel.txt"), saved);

        // A file without a suffix, as other tools or a rename leave it, is offered and loads.
        writeFile(folder + "/nosuffix", saved);
        params = ParameterSet{};
        load(rig, watcher, folder + "/nosuffix");
        QCOMPARE(params.FS3, 42);
        QCOMPARE(watcher.dialogs.size(), 3);
        for (const auto &d : watcher.dialogs.mid(1)) QCOMPARE(d.folder, folder); // the folder used last
        const QStringList views = watcher.dialogs[2].nameFilters;
        QCOMPARE(views.size(), 2);
        QVERIFY(views[0].startsWith("All file ("));
        QCOMPARE(views[1], QString("file (*.txt *.dat)"));
        QVERIFY(QDir::match(patternsOf(views[0]), "nosuffix"));
        QVERIFY(QDir::match(patternsOf(views[0]), "model.txt"));
    }

    void loadKeepsTelemetryOffTheTrims()
    {
        LinkRig rig;
        QVERIFY(rig.start());
        ParameterSet model = rig.emu.model();
        model.StkTrim1 = 30;
        rig.emu.setModel(model);
        rig.emu.setTelemetryRate(50);
        QVERIFY(rig.openLink());
        QTRY_COMPARE(params.StkTrim1, 30);
        ModalWatcher watcher;
        ParameterSet inFile;
        inFile.StkTrim1 = 200;
        const QString path = dir.filePath("trims.txt");
        writeFile(path, framesOf(inFile).toLatin1());
        int lockedSamples = 0, overwritten = 0;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, [&] {
            if (params.StkTrimLock && rig.textFrames().size() > 0) {
                ++lockedSamples;
                overwritten += params.StkTrim1 != 200;
            }
        });
        sampler.start(10);
        load(rig, watcher, path);
        sampler.stop();
        QVERIFY(lockedSamples > 20); // from the first frame to the end of the read-back
        QCOMPARE(overwritten, 0);
        QCOMPARE(params.StkTrimLock, 0);
        QCOMPARE(rig.textFrames()[3].token.mid(1, 2), QByteArray("D8"));
    }
};

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
