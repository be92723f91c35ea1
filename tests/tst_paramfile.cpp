// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/paramfile.h"
#include "files/savetarget.h"
#include "link/textframes.h"
#include "support/randomparams.h"

#include <QBuffer>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QTextCodec>
#endif

#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString fileText(ParameterSet p)
{
    QString text;
    for (TextFrame f : {TextFrame::S, TextFrame::G, TextFrame::H, TextFrame::I})
        text += buildFrame(f, p, frameTemplate(f));
    return text;
}

// A set that differs from the start-up set in one field of every frame.
ParameterSet marked()
{
    ParameterSet p;
    p.sub4 = -37;         // S
    p.Atti2 = 61;         // G
    p.THCURE_Data05 = 12; // H
    p.StkTrim3 = 77;      // I
    return p;
}

// Root may write into any folder, so as root the check runs in a child process as nobody.
bool asUnprivilegedUser(const std::function<bool()> &check)
{
    if (geteuid() != 0) return check();
    const pid_t pid = fork();
    if (pid == 0)
        _exit(setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0 && check() ? 0 : 1);
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

class TestParamFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("txconfig.files.debug=false"); }

    void lengthsDecideWhichFramesAreRead_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("81") << 81 << "";
        QTest::newRow("161") << 161 << "";
        QTest::newRow("162") << 162 << "SG";
        QTest::newRow("200") << 200 << "SG";
        QTest::newRow("242") << 242 << "SG";
        QTest::newRow("243") << 243 << "SGH";
        QTest::newRow("323") << 323 << "SGH";
        QTest::newRow("324") << 324 << "SGHI";
        QTest::newRow("0") << 0 << "";
    }
    void lengthsDecideWhichFramesAreRead()
    {
        QFETCH(int, length);
        QFETCH(QString, loaded);
        const QString text = fileText(marked()).left(length);
        ParameterSet p;
        const LoadedFrames got = readParameterText(text, p);
        QCOMPARE(got.s, loaded.contains('S'));
        QCOMPARE(got.g, loaded.contains('G'));
        QCOMPARE(got.h, loaded.contains('H'));
        QCOMPARE(got.i, loaded.contains('I'));
        QCOMPARE(p.sub4, got.s ? -37 : 0);
        QCOMPARE(p.Atti2, got.g ? 61 : 29);
        QCOMPARE(p.THCURE_Data05, got.h ? 12 : 67);
        QCOMPARE(p.StkTrim3, got.i ? 77 : 120);
    }

    void wrongMarkersSkipOnlyTheirFrame_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("S lead") << 0 << "GHI";
        QTest::newRow("S end") << 80 << "GHI";
        QTest::newRow("G lead") << 81 << "SHI";
        QTest::newRow("G end") << 161 << "SHI";
        QTest::newRow("H lead") << 162 << "SGI";
        QTest::newRow("H end") << 242 << "SGI";
        QTest::newRow("I lead") << 243 << "SGH";
        QTest::newRow("I end") << 323 << "SGH";
    }
    void wrongMarkersSkipOnlyTheirFrame()
    {
        QFETCH(int, position);
        QFETCH(QString, loaded);
        QString text = fileText(marked());
        text[position] = 'x';
        ParameterSet p;
        const LoadedFrames got = readParameterText(text, p);
        QCOMPARE(QString(got.s ? "S" : "") + (got.g ? "G" : "") + (got.h ? "H" : "") + (got.i ? "I" : ""),
                 loaded);
    }

    void lineBreaksBreakEveryLaterFrame()
    {
        const QString frames = fileText(marked());
        ParameterSet p;
        LoadedFrames got = readParameterText(frames.left(162) + "\n" + frames.mid(162), p);
        QVERIFY(got.s && got.g && !got.h && !got.i);
        got = readParameterText(frames.left(81) + "\r\n" + frames.mid(81), p);
        QVERIFY(got.s && !got.g && !got.h && !got.i);
    }

    void anOverlongFrameShiftsEverythingAfterIt()
    {
        // An end point of 240 would take three characters; written by hand, the S frame has 82.
        QString text = fileText(marked());
        text.replace(25, 2, "100");
        QCOMPARE(text.size(), 325);
        ParameterSet p;
        const LoadedFrames got = readParameterText(text, p);
        QVERIFY(!got.s && !got.g && !got.h && !got.i);
        QCOMPARE(p.sub4, 0);
    }

    void randomSetsComeBack()
    {
        QRandomGenerator rng(314);
        for (int i = 0; i < 500; ++i) {
            ParameterSet sent = randomValidParameters(rng);
            const QString text = fileText(sent);
            QCOMPARE(text.size(), 324);
            ParameterSet back;
            back.Vertion = 5;
            const LoadedFrames got = readParameterText(text, back);
            QVERIFY(got.s && got.g && got.h && got.i);
            QCOMPARE(fileText(back), text);
            QCOMPARE(back.Volt, sent.Volt);
            QCOMPARE(back.Vertion, 5);
        }
    }

    void readingStopsAtTheLimit()
    {
        QByteArray big = fileText(marked()).toLatin1();
        big.append(QByteArray(3 * 1024 * 1024, 'Q'));
        QBuffer device(&big);
        QVERIFY(device.open(QIODevice::ReadOnly));
        const QString text = readParameterFileText(device);
        QCOMPARE(text.size(), int(kMaxParameterFileBytes));
        ParameterSet p;
        const LoadedFrames got = readParameterText(text, p);
        QVERIFY(got.s && got.i);
        QCOMPARE(p.StkTrim3, 77);
    }

    void aWritableFileInAFolderWithoutRoomIsSavedInPlace()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("shared");
        QVERIFY(QDir().mkdir(folder));
        const QString kept = folder + "/kept.txt", roomy = dir.filePath("roomy.txt");
        for (const QString &path : {kept, roomy}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("previous model") == 14);
        }
        if (geteuid() == 0)
            for (const QString &path : {dir.path(), folder, kept, roomy})
                QVERIFY(chown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

        const bool ok = asUnprivilegedUser([&] {
            bool ok = true;
            auto expect = [&ok](bool holds, const char *what) {
                if (!holds) qWarning("not so: %s", what);
                ok &= holds;
            };
            expect(!needsDirectWrite(roomy), "a file in a writable folder is saved atomically");
            QSaveFile atomic(kept);
            expect(!atomic.open(QIODevice::WriteOnly), "the folder has no room for a temporary file");
            QSaveFile file(kept);
            file.setDirectWriteFallback(needsDirectWrite(kept));
            expect(file.open(QIODevice::WriteOnly) && file.write("new model") == 9 && file.commit(), "saved");
            return ok;
        });
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(ok);
        QFile f(kept);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("new model"));
    }

    void aNonAsciiByteIsOneCharacter()
    {
        // A locale's multi-byte encoding would take these two bytes for one character and move the
        // frames after them out of place. Qt 6 reads UTF-8 by default; Qt 5 follows the locale, made so here.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        QTextCodec *const locale = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
        auto restore = qScopeGuard([locale] { QTextCodec::setCodecForLocale(locale); });
#endif
        QByteArray bytes = fileText(marked()).toLatin1();
        bytes.replace(40, 2, "\xC3\xA9"); // "é" in UTF-8, inside the S frame
        QTemporaryDir dir;
        QFile file(dir.filePath("model.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == 324);
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = readParameterFileText(file);
        QCOMPARE(text.size(), 324);
        QCOMPARE(text.mid(40, 2), QString::fromLatin1("\xC3\xA9"));
        ParameterSet p;
        const LoadedFrames got = readParameterText(text, p);
        QVERIFY(got.s && got.g && got.h && got.i);
        QCOMPARE(p.Atti2, 61);
        QCOMPARE(p.StkTrim3, 77);
    }

    void theLimitCountsBytesInAWideEncoding()
    {
        // Found by fuzz_paramfile: a byte order mark made the reader take 128 KiB for 64 Ki characters.
        const QString text = fileText(marked()) + QString(1024 * 1024, 'Q');
        QByteArray utf16("\xFF\xFE");
        utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        QBuffer device(&utf16);
        QVERIFY(device.open(QIODevice::ReadOnly));
        const QString read = readParameterFileText(device);
        QCOMPARE(device.pos(), kMaxParameterFileBytes);
        QCOMPARE(read, text.left(int(kMaxParameterFileBytes - 2) / 2));
        ParameterSet p;
        QVERIFY(readParameterText(read, p).i);
        QCOMPARE(p.StkTrim3, 77);
    }
};

QTEST_GUILESS_MAIN(TestParamFile)
#include "tst_paramfile.moc"
