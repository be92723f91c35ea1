// SPDX-License-Identifier: GPL-3.0-or-later
// Find: every setting is found by its label and by its meaning, ignoring case, accents and word order,
// and Enter or a click lands on its editor on its tab; Escape gives the focus back.
#include "app/mainwindow.h"
#include "params/findsetting.h"
#include "params/namedfields.h"

#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList namesOf(const QVector<const FindEntry *> &found)
{
    QStringList names;
    for (const FindEntry *e : found) names << e->name;
    return names;
}

// The longest word of a meaning: the one a pilot is likeliest to remember.
QString longestWord(const QString &meaning)
{
    QString longest;
    for (const QString &w : meaning.split(QRegularExpression("[^\\w-]+"), Qt::SkipEmptyParts))
        if (w.size() > longest.size()) longest = w;
    return longest;
}

} // namespace

class TestFinder : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindow> window;
    QTabWidget *tabs = nullptr;
    QLineEdit *field = nullptr;
    QListWidget *list = nullptr;

    void openFinder()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
        field = window->findChild<QLineEdit *>("findField");
        list = window->findChild<QListWidget *>("findList");
    }

    bool landedOn(const QString &editorName)
    {
        QWidget *focus = QApplication::focusWidget();
        return focus && focus->objectName() == editorName && tabs->currentWidget()->isAncestorOf(focus) &&
               !field->isVisible();
    }

private slots:
    void initTestCase()
    {
        window = std::make_unique<MainWindow>();
        tabs = window->findChild<QTabWidget *>("tabWidget");
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void everySettingByLabelAndMeaning()
    {
        const QVector<FindEntry> &entries = findEntries();
        int named = 0;
        for (const NamedField &f : kNamedFields) named += namesOf(findSettings(f.name)).contains(f.name);
        // All but the settings no editor shows (THCURE_Extra and the four stick trims).
        QCOMPARE(named, int(std::size(kNamedFields)) - 5);
        for (const FindEntry &e : entries) {
            const QVector<const FindEntry *> byLabel = findSettings(e.label);
            QVERIFY2(!byLabel.isEmpty() && byLabel.first() == &e,
                     qPrintable(e.label + ": " + namesOf(byLabel).join(",")));
            const QString word = longestWord(e.meaning);
            QVERIFY2(word.size() >= 5 && findSettings(word).contains(&e), qPrintable(e.name + ": " + word));
        }
    }

    void caseAccentsAndWordOrderIgnored()
    {
        QCOMPARE(foldedForSearch(QString::fromUtf8("Élévon ÄILE")), QString("elevon aile"));
        QCOMPARE(findSettings("ch3 reverse BASIC").first()->name, QString("rev3"));
        QCOMPARE(findSettings(QString::fromUtf8("trím SÚB ch3")).first()->name, QString("sub3"));
        QVERIFY(namesOf(findSettings(QString::fromUtf8("élevon aile1"))).contains("Elev01"));
        // Through the meaning alone, after the label's answers.
        const QStringList failSafe = namesOf(findSettings("signal"));
        QVERIFY(failSafe.contains("FS1") && failSafe.contains("FS8") && failSafe.contains("Rssi"));
        QVERIFY(findSettings("no such thing").isEmpty());
        QCOMPARE(findSettings("  ").size(), findEntries().size());
    }

    void enterLandsOnEveryEditor()
    {
        // Typed once, as a pilot does; then each label set at once.
        openFinder();
        QVERIFY(field->isVisible() && field->hasFocus());
        QTest::keyClicks(field, "atti2");
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(landedOn("spinBox_Atti2"));
        for (const FindEntry &e : findEntries()) {
            openFinder();
            field->setText(e.label);
            QTest::keyClick(field, Qt::Key_Return);
            QVERIFY2(landedOn(e.editor), qPrintable(e.label));
        }
    }

    void clickAndArrowKeys()
    {
        openFinder();
        field->setText("fail safe ch5");
        QListWidgetItem *item = list->item(0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        QVERIFY(landedOn("spinBox_FS5"));

        openFinder();
        field->setText("end point ch2");
        QCOMPARE(list->currentRow(), 0);
        QTest::keyClick(field, Qt::Key_Down);
        QVERIFY(field->hasFocus());
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(landedOn("spinBox_Repa2")); // L CH2 first, R CH2 second
    }

    void escapeGivesFocusBack()
    {
        tabs->setCurrentWidget(window->findChild<QWidget *>("tab_6"));
        auto *mode = window->findChild<QWidget *>("spinBox_Mode");
        mode->setFocus();
        openFinder();
        QTest::keyClicks(field, "dual");
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!field->isVisible());
        QCOMPARE(QApplication::focusWidget(), mode);
        QCOMPARE(tabs->currentWidget()->objectName(), QString("tab_6"));
    }

    void inTheViewsMenu()
    {
        auto *views = window->findChild<QToolButton *>("viewsButton");
        QStringList texts;
        for (QAction *a : views->menu()->actions()) texts << a->text() + " " + a->shortcut().toString();
        QVERIFY2(texts.contains("Find... Ctrl+F"), qPrintable(texts.join(", ")));
        QVERIFY2(texts.contains("Export sheet... Ctrl+P"), qPrintable(texts.join(", ")));
    }
};

QTEST_MAIN(TestFinder)
#include "tst_finder.moc"
