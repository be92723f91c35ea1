// SPDX-License-Identifier: GPL-3.0-or-later
// The history of models on real folders: names, the index, equal entries, the bound of 1,000 with
// what is not an entry left alone, and failures told, not thrown.

#include "files/history.h"
#include "files/paramfile.h"
#include "support/randomparams.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

const QDateTime kNoon(QDate(2026, 12, 8), QTime(12, 0, 0, 5));

QByteArray bytesOf(ParameterSet p)
{
    return parameterFileBytes(p);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("txconfig.*.debug=false"); }

    void entriesAreParameterFilesNamedByTimeAndEvent()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.filePath("history/deep"));
        QRandomGenerator rng(1);
        const ParameterSet a = randomValidParameters(rng), b = randomValidParameters(rng);
        QString error;
        QCOMPARE(store.keep(a, HistoryEvent::Read, "/dev/ttyUSB0", &error, kNoon),
                 HistoryStore::Kept::Written);
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther | QFileDevice::ExeOther;
        QCOMPARE(QFile::permissions(store.folder()) & others, QFileDevice::Permissions());
        // Equal to the newest: not kept again, whatever the event.
        QCOMPARE(store.keep(a, HistoryEvent::BeforeWrite, "/dev/ttyUSB0", &error, kNoon.addSecs(1)),
                 HistoryStore::Kept::SameAsNewest);
        QCOMPARE(store.keep(b, HistoryEvent::BeforeDataReset, "/dev/ttyACM1", &error, kNoon.addSecs(2)),
                 HistoryStore::Kept::Written);
        QCOMPARE(store.keep(a, HistoryEvent::DataReset, "", &error, kNoon.addSecs(2)),
                 HistoryStore::Kept::Written);

        const QVector<HistoryEntry> entries = store.entries();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(QFileInfo(entries[0].path).fileName(), QString("20261208-120002-005-data-reset.txt"));
        QCOMPARE(QFileInfo(entries[1].path).fileName(), QString("20261208-120002-005-before-data-reset.txt"));
        QCOMPARE(QFileInfo(entries[2].path).fileName(), QString("20261208-120000-005-read.txt"));
        QCOMPARE(entries[1].port, QString("/dev/ttyACM1"));
        QCOMPARE(entries[1].event, HistoryEvent::BeforeDataReset);
        QCOMPARE(historyEntryTime(entries[1]), kNoon.addSecs(2));
        QCOMPARE(historyEntryTimeText(entries[1]), QString("2026-12-08 12:00:02"));
        QCOMPARE(entries[2].transmitterVersion, QString::number(a.Vertion));
        QCOMPARE(historyEventWords(entries[0].event), QString("After DATA RESET"));
        QCOMPARE(store.entryPath(2), entries[1].path);
        QVERIFY(store.entryPath(4).isEmpty());

        // Byte for byte what SAVE writes, and read back as the set it was.
        QFile f(entries[2].path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), bytesOf(a));
        QString why;
        const std::optional<ParameterSet> back = HistoryStore::readEntry(entries[1].path, &why);
        QVERIFY(back);
        QCOMPARE(bytesOf(*back), bytesOf(b));
    }

    void theNewestThousandAreKeptAndNothingElseIsTouched()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path());
        const QByteArray model = bytesOf(ParameterSet{});
        for (int i = 0; i < 1004; ++i)
            writeFile(dir.filePath(kNoon.addSecs(i).toString("yyyyMMdd-HHmmss-zzz") + "-read.txt"), model);
        // The oldest is damaged, a stranger sits beside them.
        const QString damaged =
            dir.filePath(kNoon.addSecs(-1).toString("yyyyMMdd-HHmmss-zzz") + "-written.txt");
        writeFile(damaged, model.left(100));
        writeFile(dir.filePath("notes.txt"), "my own notes");
        writeFile(dir.filePath("20261208-120000-005-flown.txt"), model);

        ParameterSet other;
        other.sub1 = 33;
        QString error;
        QCOMPARE(store.keep(other, HistoryEvent::Read, "p", &error, kNoon.addSecs(5000)),
                 HistoryStore::Kept::Written);
        // 1,006 entries: the five oldest whole ones go, the damaged one stays.
        QCOMPARE(store.entries().size(), 1001);
        QVERIFY(QFile::exists(damaged));
        QVERIFY(!QFile::exists(dir.filePath(kNoon.addSecs(4).toString("yyyyMMdd-HHmmss-zzz") + "-read.txt")));
        QVERIFY(QFile::exists(dir.filePath(kNoon.addSecs(5).toString("yyyyMMdd-HHmmss-zzz") + "-read.txt")));
        QCOMPARE(store.foreignFiles(), (QStringList{"20261208-120000-005-flown.txt", "notes.txt"}));
        QString why;
        QVERIFY(!HistoryStore::readEntry(damaged, &why));
        QCOMPARE(why, QString("cut short (100 of 324 bytes)"));
        QVERIFY(!HistoryStore::readEntry(dir.filePath("notes.txt"), &why));
        QCOMPARE(why, QString("not a parameter file"));
    }

    // The index of a full history with long port names is far longer than a parameter file: it is read,
    // and kept when the oldest entries go, whole.
    void aLongIndexIsReadAndPrunedWhole()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path());
        const QByteArray model = bytesOf(ParameterSet{});
        const QString port = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
        QByteArray index;
        for (int i = 0; i < 1000; ++i) {
            const QString name = kNoon.addSecs(i).toString("yyyyMMdd-HHmmss-zzz") + "-read.txt";
            writeFile(dir.filePath(name), model);
            index += (name + '\t' + port + "\t5.0\t" + QString::number(i) + '\n').toUtf8();
        }
        writeFile(dir.filePath("index.tsv"), index);
        QVERIFY(index.size() > 64 * 1024);
        ParameterSet other;
        other.sub1 = 33;
        QString error;
        QCOMPARE(store.keep(other, HistoryEvent::Read, "ttyUSB1", &error, kNoon.addSecs(5000)),
                 HistoryStore::Kept::Written);
        const QVector<HistoryEntry> entries = store.entries();
        QCOMPARE(entries.size(), 1000);
        QCOMPARE(entries[0].port, QString("ttyUSB1"));
        QCOMPARE(entries[1].port, port);
        QCOMPARE(entries[1].transmitterVersion, QString("999"));
        QCOMPARE(entries.last().transmitterVersion, QString("1"));
    }

    // The History window first draws from the index alone: the entries the folder's listing gives, newest
    // first, whatever the lines' order; a name written twice counts once, with its last line.
    void theIndexAloneListsWhatTheFolderLists()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path());
        QString error;
        for (int i = 0; i < 4; ++i) {
            ParameterSet p;
            p.sub1 = i;
            QCOMPARE(store.keep(p, i % 2 ? HistoryEvent::Read : HistoryEvent::Loaded, "ttyUSB0", &error,
                                kNoon.addSecs(i)),
                     HistoryStore::Kept::Written);
        }
        QFile file(dir.filePath("index.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = file.readAll().split('\n');
        file.close();
        lines.removeAll(QByteArray());
        QCOMPARE(lines.size(), 4);
        std::swap(lines[0], lines[2]);
        const QByteArray name = lines[1].left(lines[1].indexOf('\t'));
        lines << name + "\tttyACM9\t5.0\t7"
              << "notes.txt\tx\ty"
              << "not an entry";
        writeFile(dir.filePath("index.tsv"), lines.join('\n') + '\n');

        const QVector<HistoryEntry> listed = store.entries(), indexed = store.indexedEntries();
        QCOMPARE(indexed.size(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(indexed[i].path, listed[i].path);
            QCOMPARE(indexed[i].stamp, listed[i].stamp);
            QCOMPARE(indexed[i].event, listed[i].event);
            QCOMPARE(indexed[i].port, listed[i].port);
        }
        QCOMPARE(indexed[0].stamp, kNoon.addSecs(3).toString("yyyyMMdd-HHmmss-zzz"));
        const auto twice = std::find_if(indexed.begin(), indexed.end(),
                                        [&](const HistoryEntry &e) { return e.path.endsWith(name); });
        QVERIFY(twice != indexed.end());
        QCOMPARE(twice->port, QString("ttyACM9"));
        QCOMPARE(twice->transmitterVersion, QString("7"));
    }

    void failuresAreToldAndChangeNothing()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("file"), "x");
        QString error;
        HistoryStore onAFile(dir.filePath("file"));
        QCOMPARE(onAFile.keep(ParameterSet{}, HistoryEvent::Read, "", &error), HistoryStore::Kept::Failed);
        QCOMPARE(error, QString("%1 is a file, not a folder").arg(dir.filePath("file")));

        if (::geteuid() == 0) QSKIP("root writes into a read-only folder");
        QDir().mkpath(dir.filePath("ro"));
        QFile::setPermissions(dir.filePath("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        HistoryStore readOnly(dir.filePath("ro"));
        QCOMPARE(readOnly.keep(ParameterSet{}, HistoryEvent::Read, "", &error), HistoryStore::Kept::Failed);
        QVERIFY(!error.isEmpty());
        QVERIFY(readOnly.entries().isEmpty());
    }

    void whatNoBlockCarriesComesFromTheFormAndTelemetry()
    {
        ParameterSet answer, form;
        answer.DR_UP_CH3 = 77;
        answer.DR_DOWN_CH3 = 66;
        form.DR_CH = 2; // the third channel
        form.StkTrim2 = 99;
        const ParameterSet fromForm = historySettings(answer, form, std::nullopt);
        QCOMPARE(fromForm.DR_CH, 2);
        QCOMPARE(fromForm.DR_UP1, 77);
        QCOMPARE(fromForm.DR_DOWN1, 66);
        QCOMPARE(fromForm.StkTrim2, 99);
        const ParameterSet live = historySettings(answer, form, std::array<int, 4>{1, 2, 3, 4});
        QCOMPARE(live.StkTrim2, 2);
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
