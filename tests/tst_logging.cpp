// SPDX-License-Identifier: GPL-3.0-or-later
// The program's debug lines: under their categories, printed bare as before, and silenced by the
// rules a user or a test sets for txconfig.* without touching anything else.
#include "app/logoutput.h"
#include "app/mainwindow.h"
#include "files/paramfile.h"

#include <QtTest>

namespace {

struct Logged {
    QString category;
    QString message;
};
QVector<Logged> logged;

void capture(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    logged.append({QString::fromLatin1(context.category ? context.category : ""), message});
}

Q_LOGGING_CATEGORY(lcOther, "qt.other.module")

QStringList messages()
{
    QStringList all;
    for (const Logged &l : logged) all << l.message;
    return all;
}

} // namespace

class TestLogging : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qInstallMessageHandler(capture);
        installLogOutput(); // in front of the capture, as in front of Qt's own output in the program
    }
    void init()
    {
        logged.clear();
        QLoggingCategory::setFilterRules(QString());
        params = ParameterSet{};
    }

    void ownLinesPrintBareOthersKeepTheirCategory()
    {
        MainWindow window;
        logged.clear();
        QMetaObject::invokeMethod(&window, "SendData1");
        qCWarning(lcOther, "not ours");
        QCOMPARE(logged.size(), 2);
        QCOMPARE(logged[0].message, QString("Str1Blength:81"));
        QCOMPARE(logged[0].category, QString("default"));
        QCOMPARE(logged[1].message, QString("not ours"));
        QCOMPARE(logged[1].category, QString("qt.other.module"));
    }

    void aFileReadLogsItsFrameLengths()
    {
        ParameterSet p;
        readParameterText(QString::fromLatin1(TransmitterSession().framesBytes()), p);
        QCOMPARE(messages(),
                 (QStringList{"Blength00:324", "Blength01:324", "Blength02:324", "Blength03:324"}));
    }

    void rulesSilenceOurCategoriesOnly_data()
    {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all of ours") << "txconfig.*=false" << QStringList{"not ours"};
        QTest::newRow("the link only") << "txconfig.link=false" << QStringList{"Blength00:81", "not ours"};
        QTest::newRow("debug only") << "txconfig.*.debug=false" << QStringList{"not ours"};
    }
    void rulesSilenceOurCategoriesOnly()
    {
        QFETCH(QString, rules);
        QFETCH(QStringList, expected);
        MainWindow window;
        logged.clear();
        QLoggingCategory::setFilterRules(rules);
        QMetaObject::invokeMethod(&window, "SendData1");
        ParameterSet p;
        readParameterText(window.session().frameText(TextFrame::S), p);
        qCWarning(lcOther, "not ours");
        QCOMPARE(messages(), expected);
    }
};

QTEST_MAIN(TestLogging)
#include "tst_logging.moc"
