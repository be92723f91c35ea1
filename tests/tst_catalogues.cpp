// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped catalogues as files: every translation keeps its source's arguments (%1, %n) and ends with
// the same kind of punctuation, every plural form is filled, and nothing is left unfinished.
#include "files/language.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Entry {
    QString context, source;
    QStringList translations; // one, or one per plural form
    bool unfinished = false;
};

QVector<Entry> readCatalogue(const QString &path, QString *error)
{
    QFile file(path);
    QVector<Entry> entries;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message")) entries.append(entry);
        if (!xml.isStartElement()) continue;
        const QString name = xml.name().toString();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = Entry{context, {}, {}, false};
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            entry.unfinished = type == QLatin1String("unfinished") || type == QLatin1String("vanished") ||
                               type == QLatin1String("obsolete");
            if (!numerus) entry.translations << xml.readElementText();
        } else if (name == QLatin1String("numerusform")) {
            entry.translations << xml.readElementText();
        }
    }
    if (xml.hasError()) *error = xml.errorString();
    return entries;
}

// The arguments a text takes, sorted: "%1", "%2", "%n".
QStringList argumentsOf(const QString &text)
{
    static const QRegularExpression arg(QStringLiteral("%(L?[1-9]|n)"));
    QStringList found;
    for (auto it = arg.globalMatch(text); it.hasNext();) found << it.next().captured(0);
    found.sort();
    return found;
}

// How a text ends: a full stop, a question, an exclamation, a colon, an ellipsis or none, in any script.
QString endingOf(QString text)
{
    text = text.trimmed();
    while (!text.isEmpty() && QStringLiteral("\"'»«”“)）」").contains(text.back())) text.chop(1);
    text = text.trimmed();
    if (text.endsWith(QLatin1String("...")) || text.endsWith(QChar(0x2026)))
        return QStringLiteral("ellipsis");
    if (text.isEmpty()) return QStringLiteral("none");
    switch (text.back().unicode()) {
    case '.':
    case 0x3002: // 。
        return QStringLiteral("full stop");
    case '?':
    case 0xFF1F: // ？
        return QStringLiteral("question");
    case '!':
    case 0xFF01: // ！
        return QStringLiteral("exclamation");
    case ':':
    case 0xFF1A: // ：
        return QStringLiteral("colon");
    default:
        return QStringLiteral("none");
    }
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void keepArgumentsAndEndings_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QStringLiteral("en");
        for (const ShippedLanguage &l : kShippedLanguages)
            QTest::newRow(l.code) << QString::fromLatin1(l.code);
    }
    void keepArgumentsAndEndings()
    {
        QFETCH(QString, language);
        QString error;
        const QVector<Entry> entries =
            readCatalogue(QStringLiteral(TXCONFIG_TS_DIR "/txconfig_%1.ts").arg(language), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!entries.isEmpty());
        QStringList faults;
        for (const Entry &e : entries) {
            const QString where = e.context + QStringLiteral(": ") + e.source;
            if (e.unfinished && language != QLatin1String("en"))
                faults << QStringLiteral("unfinished: ") + where;
            for (const QString &t : e.translations) {
                if (t.isEmpty()) {
                    faults << QStringLiteral("empty: ") + where;
                    continue;
                }
                if (argumentsOf(t) != argumentsOf(e.source))
                    faults << QStringLiteral("arguments %1 for %2: %3 -> %4")
                                  .arg(argumentsOf(t).join(QLatin1Char(' ')),
                                       argumentsOf(e.source).join(QLatin1Char(' ')), where, t);
                if (endingOf(t) != endingOf(e.source))
                    faults << QStringLiteral("ends with %1, not %2: %3 -> %4")
                                  .arg(endingOf(t), endingOf(e.source), where, t);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n") + faults.join(QLatin1Char('\n'))));
    }

    // The programs speak what the system or the pilot asks for, and English for what they do not know.
    void chooseTheLanguage()
    {
        QCOMPARE(shippedLanguageFor(QStringLiteral("de_DE.UTF-8")), QStringLiteral("de"));
        QCOMPARE(shippedLanguageFor(QStringLiteral("zh-Hans-CN")), QStringLiteral("zh_CN"));
        QCOMPARE(shippedLanguageFor(QStringLiteral("zh_TW")), QString());
        QCOMPARE(shippedLanguageFor(QStringLiteral("C")), QStringLiteral("en"));
        QCOMPARE(languageArgument({"txconfig", "--lang", "fr"}), QStringLiteral("fr"));
        QCOMPARE(languageArgument({"txconfig", "--lang=ru"}), QStringLiteral("ru"));
        QCOMPARE(languageArgument({"txconfig", "--", "--lang=ru"}), QString());
        // --lang, then the menu's choice, then the system's languages in order.
        QCOMPARE(chooseLanguage(QStringLiteral("es"), QStringLiteral("de"), {"fr"}), QStringLiteral("es"));
        QCOMPARE(chooseLanguage(QString(), QStringLiteral("de"), {"fr"}), QStringLiteral("de"));
        QCOMPARE(chooseLanguage(QString(), QString(), {"it-IT", "ru-RU", "de"}), QStringLiteral("ru"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("\"xx\".*English")));
        QCOMPARE(chooseLanguage(QStringLiteral("xx"), QStringLiteral("de"), {"fr"}), QStringLiteral("en"));
    }

    // German is German, Qt's own buttons included; a catalogue that is not there leaves English.
    void installTheCatalogues()
    {
        {
            const Translations german(QStringLiteral("de"));
            QCOMPARE(spokenLanguage(), QStringLiteral("de"));
            QCOMPARE(QCoreApplication::translate("Questions", "Cancel"), QStringLiteral("Abbrechen"));
            QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
        }
        QCOMPARE(QCoreApplication::translate("Questions", "Cancel"), QStringLiteral("Cancel"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("txconfig_xx.*stay English")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("qtbase_xx.*stay English")));
        const Translations missing(QStringLiteral("xx"));
        QCOMPARE(QCoreApplication::translate("Questions", "Cancel"), QStringLiteral("Cancel"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
