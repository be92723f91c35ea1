// SPDX-License-Identifier: GPL-3.0-or-later
// The files that outlive a crash, on real folders: the journal of a command under way, the drafts of
// unsaved edits, and the history's entry of a model being sent.

#include "files/drafts.h"
#include "files/history.h"
#include "files/journal.h"
#include "support/randomparams.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class TestJournal : public QObject
{
    Q_OBJECT

private slots:
    // A lock names its process as the system does, so this process's own locks read as held.
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("txconfig.*.debug=false");
        QCoreApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    }

    void anEntryIsOpenFromItsFirstWriteToItsEnd()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("state/txconfig"); // made on first use
        CommandJournal journal(folder);
        QCOMPARE(journal.find().state, CommandJournal::State::None);
        JournalEntry entry;
        entry.command = "WRITE";
        entry.port = "/dev/ttyUSB0";
        entry.started = QDateTime(QDate(2026, 12, 8), QTime(14, 2, 11));
        entry.sending = "/h/20261208-140211-000-sending.txt"; // no copy before: "Send anyway"
        QString error;
        QVERIFY2(journal.begin(entry, &error), qPrintable(error));
        QCOMPARE(QFile::permissions(folder) & QFileDevice::ReadOther, QFileDevice::Permissions());
        QVERIFY(journal.countFrame(&error));

        const CommandJournal::Found found = CommandJournal(folder).find();
        QCOMPARE(found.state, CommandJournal::State::Open);
        QCOMPARE(found.entry.before, QString());
        QCOMPARE(found.entry.sending, entry.sending);
        QCOMPARE(found.entry.started, entry.started);
        QCOMPARE(journalSummary(found.entry),
                 QString("The last WRITE (started 14:02:11 on ttyUSB0, 1 of 4 frames sent) did not finish."));
        JournalEntry elsewhere = found.entry;
        elsewhere.port = "/dev/pts/3"; // not a name the port box shortens
        QVERIFY(journalSummary(elsewhere).contains("on /dev/pts/3,"));

        QVERIFY(journal.end(&error));
        QCOMPARE(CommandJournal(folder).find().state, CommandJournal::State::None);
    }

    void aDamagedEntryIsNamedNotOffered_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("why");
        QTest::newRow("cut short") << QByteArray("txconfig-journal 1\ncommand=LOAD\nport=p\n")
                                   << "cut short or damaged";
        QTest::newRow("frames garbled")
            << QByteArray("txconfig-journal 1\ncommand=LOAD\nport=p\nstarted=2026-12-"
                          "08T14:02:11\nbefore=\nsending=\nframes=x/4\n")
            << "cut short or damaged";
        QTest::newRow("foreign") << QByteArray("<html></html>") << "not a txconfig journal";
    }
    void aDamagedEntryIsNamedNotOffered()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, why);
        QTemporaryDir dir;
        CommandJournal journal(dir.path());
        writeFile(journal.path(), text);
        const CommandJournal::Found found = journal.find();
        QCOMPARE(found.state, CommandJournal::State::Damaged);
        QCOMPARE(found.why, why);
        QVERIFY(QFile::exists(journal.path()));
    }

    // A draft is the form as a parameter file and what was edited; one whose lock is free is an orphan,
    // held by the store that takes it until it is discarded or let go.
    void draftsRoundTripAndOrphansAreHeldUntilLetGo()
    {
        QTemporaryDir dir;
        QRandomGenerator rng(5);
        Draft draft;
        draft.time = QDateTime(QDate(2026, 12, 8), QTime(14, 5));
        draft.port = "/dev/ttyUSB0";
        draft.edited = QStringList{"sub1", "Lepa3"};
        draft.settings = randomValidParameters(rng);
        DraftStore mine(dir.path());
        QString error;
        QVERIFY2(mine.write(draft, &error), qPrintable(error));
        QVERIFY(mine.takeOrphans().isEmpty()); // its own draft is no orphan

        // A draft whose instance left no lock behind.
        const QString id = "4242-1";
        for (const char *suffix : {".txt", ".draft"}) {
            QFile::copy(
                QDir(dir.path()).entryList({QString("*") + suffix}).value(0).prepend(dir.path() + '/'),
                dir.filePath(id + suffix));
        }
        DraftStore other(dir.path());
        QVector<DraftStore::Orphan> orphans = other.takeOrphans();
        QCOMPARE(orphans.size(), 1); // the running store's draft stays its own
        const DraftStore::Orphan &found = orphans[0];
        QCOMPARE(found.id, id);
        QVERIFY2(found.draft, qPrintable(found.why));
        QCOMPARE(found.draft->time, draft.time);
        QCOMPARE(found.draft->port, draft.port);
        QCOMPARE(found.draft->edited, draft.edited);
        QCOMPARE(found.draft->settings.sub1, draft.settings.sub1);
        QCOMPARE(found.draft->settings.Lepa3, draft.settings.Lepa3);

        other.releaseOrphan(id); // kept for the next start
        QVERIFY(QFile::exists(dir.filePath(id + ".draft")));
        DraftStore third(dir.path());
        QCOMPARE(third.takeOrphans().size(), 1);
        third.discardOrphan(id);
        QVERIFY(!QFile::exists(dir.filePath(id + ".draft")) && !QFile::exists(dir.filePath(id + ".txt")));

        mine.remove();
        QVERIFY(QDir(dir.path()).entryList({"*.draft", "*.txt"}).isEmpty());
    }

    // The model being sent is an entry of its own until its command is done; what the transmitter then
    // holds is kept beside the entry before, even when it equals what was sent.
    void aSendingEntryNeitherHidesTheAfterEntryNorOutlivesItsCommand()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path());
        ParameterSet before, sent;
        sent.sub1 = 40;
        QString error, beforePath, sendingPath, afterPath;
        const QDateTime t0(QDate(2026, 12, 8), QTime(14, 0));
        QCOMPARE(store.keep(before, HistoryEvent::BeforeWrite, "p", &error, t0, &beforePath),
                 HistoryStore::Kept::Written);
        QCOMPARE(store.keep(sent, HistoryEvent::Sending, "p", &error, t0.addSecs(1), &sendingPath),
                 HistoryStore::Kept::Written);
        QCOMPARE(store.keep(sent, HistoryEvent::Written, "p", &error, t0.addSecs(4), &afterPath),
                 HistoryStore::Kept::Written);
        QVERIFY(!store.removeSending(beforePath)); // nothing but a model being sent goes
        QVERIFY(store.removeSending(sendingPath));
        QStringList events;
        for (const HistoryEntry &e : store.entries()) events << historyEventToken(e.event);
        QCOMPARE(events, (QStringList{"written", "before-write"}));
        QCOMPARE(store.entries().first().path, afterPath);
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
