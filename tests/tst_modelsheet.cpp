// SPDX-License-Identifier: GPL-3.0-or-later
// The model sheet: from a parameter file or a history entry by txconfig-cli (without a display), and
// from the form by Export sheet. Every setting stands with the value `txconfig-cli dump` gives, its
// factory value, and in bold where the two differ.
#include "app/mainwindow.h"
#include "files/history.h"
#include "files/paramfile.h"
#include "params/choicelists.h"
#include "params/namedfields.h"
#include "params/rules.h"
#include "support/modalwatcher.h"
#include "support/randomparams.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

namespace {

struct SheetRow {
    QString setting, value, factory;
    bool bold = false;
};

// The rows of every table of the sheet, by the name column, as QTextDocument reads the HTML.
QMap<QString, SheetRow> sheetRows(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    QMap<QString, SheetRow> rows;
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table || table->columns() != 4) continue;
        auto text = [table](int r, int c) {
            const QTextTableCell cell = table->cellAt(r, c);
            QTextCursor cursor = cell.firstCursorPosition();
            cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            return cursor.selectedText();
        };
        for (int r = 1; r < table->rows(); ++r) {
            QTextCursor inValue = table->cellAt(r, 2).firstCursorPosition();
            inValue.movePosition(QTextCursor::NextCharacter);
            rows.insert(text(r, 1), {text(r, 0), text(r, 2), text(r, 3),
                                     inValue.charFormat().fontWeight() >= QFont::Bold});
        }
    }
    return rows;
}

// "NAME VALUE" lines of `txconfig-cli dump`, by name.
QMap<QString, QString> dumped(const QString &dumpOutput)
{
    QMap<QString, QString> values;
    for (const QString &line : dumpOutput.split('\n', Qt::SkipEmptyParts))
        if (!line.startsWith('#')) values.insert(line.section(' ', 0, 0), line.section(' ', 1, 1));
    return values;
}

// The sheet names a value as the form does and keeps the stored number beside it where that differs.
bool showsValue(const QString &cell, const QString &value)
{
    return cell.split(QRegularExpression("[ ()]"), Qt::SkipEmptyParts).contains(value);
}

QString cli()
{
    return QCoreApplication::applicationDirPath() + "/../txconfig-cli";
}

struct Run {
    int code = -1;
    QString out, err;
};

// The program as a pilot runs it, with no display at all.
Run runCli(const QStringList &arguments, const QString &lang = "en_GB.UTF-8")
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MEASUREMENT"})
        env.remove(name);
    env.insert("LANG", lang);
    p.setProcessEnvironment(env);
    p.start(cli(), arguments);
    if (!p.waitForFinished(60000)) return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestModelSheet : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    QString modelFile(quint32 seed)
    {
        QRandomGenerator rng(seed);
        ParameterSet p = randomValidParameters(rng);
        selectDualRate(p);
        const QString path = dir.filePath(QString("model%1.txt").arg(seed));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(parameterFileBytes(p)) != 324) return QString();
        return path;
    }

private slots:
    void everySettingAsDumpGivesIt_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u}) QTest::addRow("seed %u", seed) << seed;
    }
    void everySettingAsDumpGivesIt()
    {
        QFETCH(quint32, seed);
        const QString file = modelFile(seed);
        const Run dump = runCli({"dump", file});
        QCOMPARE(dump.code, 0);
        const QString html = dir.filePath("sheet.html");
        const Run sheet = runCli({"sheet", file, "-o", html});
        QVERIFY2(sheet.code == 0, qPrintable(sheet.err));

        const QMap<QString, QString> values = dumped(dump.out);
        const QMap<QString, SheetRow> rows = sheetRows(QString::fromUtf8(readAll(html)));
        QCOMPARE(rows.keys(), values.keys());
        ParameterSet model;
        readParameterText(QString::fromLatin1(readAll(file)), model);
        const ParameterSet factory = [] {
            ParameterSet p;
            resetFirstHalf(p);
            resetSecondHalf(p);
            return p;
        }();
        for (const NamedField &f : kNamedFields) {
            const SheetRow row = rows.value(f.name);
            QVERIFY2(showsValue(row.value, values.value(f.name)),
                     qPrintable(QString(f.name) + ": " + row.value));
            QCOMPARE(row.bold, model.*f.field != factory.*f.field);
            const auto *list = choices::forField(f.field);
            const QString factoryValue =
                list      ? QString(list->at(factory.*f.field))
                : f.volts ? QString::number(factory.*f.field / 10.0, 'f', 1)
                          : QString::number(factory.*f.field - (row.setting.startsWith("TRIM") ? 120 : 0));
            QVERIFY2(row.factory.section(' ', 0, 0) == factoryValue,
                     qPrintable(QString(f.name) + ": " + row.factory));
        }
    }

    void pdfOnThePaperOfTheLocale()
    {
        const QString file = modelFile(7);
        for (const auto &[lang, mediaBox] : {std::pair("en_GB.UTF-8", "/MediaBox [0 0 595"),
                                             std::pair("en_US.UTF-8", "/MediaBox [0 0 612")}) {
            const QString pdf = dir.filePath(QString("sheet-%1.pdf").arg(lang));
            const Run sheet = runCli({"sheet", file, "-o", pdf}, lang);
            QVERIFY2(sheet.code == 0, qPrintable(sheet.err));
            const QByteArray bytes = readAll(pdf);
            QVERIFY(bytes.startsWith("%PDF-"));
            QVERIFY(bytes.trimmed().endsWith("%%EOF"));
            QVERIFY2(bytes.contains(mediaBox), lang);
            QVERIFY(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") +
                        bytes.count("/Type /Page/") >=
                    2);
        }
    }

    void historyEntryNamesPortAndVersion()
    {
        ParameterSet set;
        set.Vertion = 42;
        set.sub3 = -37;
        QString error;
        QCOMPARE(HistoryStore().keep(set, HistoryEvent::Read, "/dev/ttyUSB7", &error),
                 HistoryStore::Kept::Written);
        const QString html = dir.filePath("entry.html");
        const Run sheet = runCli({"sheet", "@1", "-o", html});
        QVERIFY2(sheet.code == 0, qPrintable(sheet.err));
        const QString text = QString::fromUtf8(readAll(html));
        QVERIFY(text.contains("<td>Port:</td><td>/dev/ttyUSB7</td>"));
        QVERIFY(text.contains("<td>Transmitter version:</td><td>42</td>"));
        QVERIFY(sheetRows(text).value("sub3").bold);
        QCOMPARE(runCli({"sheet", "@9", "-o", html}).code, 2);
    }

    void exportedFromTheForm()
    {
        MainWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QSpinBox *>("spinBox_Lepa4")->setValue(111);
        support::ModalWatcher watcher;
        // Without a suffix the PDF view's is added; ".html" chooses HTML.
        for (const char *name : {"form", "form.html"}) {
            watcher.answerFileDialog(dir.filePath(name));
            window.activateWindow(); // back from the last dialog
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
            QVERIFY(watcher.fileAnswered);
        }
        QVERIFY(readAll(dir.filePath("form.pdf")).startsWith("%PDF-"));
        const QMap<QString, SheetRow> rows = sheetRows(QString::fromUtf8(readAll(dir.filePath("form.html"))));
        QCOMPARE(rows.size(), int(std::size(kNamedFields)));
        QCOMPARE(rows.value("Lepa4").value, QString("111 %"));
        QVERIFY(rows.value("Lepa4").bold);
        QVERIFY(!rows.value("rev1").bold);
    }
};

QTEST_MAIN(TestModelSheet)
#include "tst_modelsheet.moc"
