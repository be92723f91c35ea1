// SPDX-License-Identifier: GPL-3.0-or-later
// The table of named parameters against the two things it restates: the text frames (every field
// named once) and the form (every field grouped under the tab its editor sits on).
#include "link/textframes.h"
#include "params/namedfields.h"
#include "ui_mainwindow.h"

#include "support/formfixture.h"

#include <QSet>
#include <QtTest>

class TestNamedFields : public QObject, private support::BuiltForm
{
    Q_OBJECT

private slots:
    void initTestCase() { ui.setupUi(&window); }

    void everyFrameFieldIsNamedOnce()
    {
        int carried = 0;
        for (TextFrame frame : kSendOrder) {
            for (IntField field : frameParameters(frame)) {
                ++carried;
                int rows = 0;
                for (const NamedField &f : kNamedFields) rows += f.field == field ? 1 : 0;
                QCOMPARE(rows, 1);
            }
        }
        QCOMPARE(carried, int(std::size(kNamedFields)));
        QSet<QString> names;
        for (const NamedField &f : kNamedFields) names.insert(QLatin1String(f.name));
        QCOMPARE(names.size(), carried);
    }

    // Storage fields without an editor are left to the table's comment; every field with one must
    // sit under that editor's tab.
    void groupsAreTheTabsOfTheEditors()
    {
        const QMap<QString, QString> editorOf = {
            {"DR_SW", "comboBox_DR_SW2"}, // DR_SW1 shows the item but edits nothing
            {"StkTrim1", "lineEdit_Trim_1"},
            {"StkTrim2", "lineEdit_Trim_2"},
            {"StkTrim3", "lineEdit_Trim_3"},
            {"StkTrim4", "lineEdit_Trim_4"}};
        int checked = 0;
        for (const NamedField &f : kNamedFields) {
            const QString name = QLatin1String(f.name);
            QStringList candidates = {editorOf.value(name)};
            for (const char *prefix : {"spinBox_", "comboBox_", "doubleSpinBox_"})
                candidates << prefix + name << prefix + name + "1";
            QWidget *editor = nullptr;
            for (const QString &c : candidates)
                if (!editor && !c.isEmpty()) editor = window.findChild<QWidget *>(c);
            if (!editor) continue;
            QWidget *page = editor;
            while (page && ui.tabWidget->indexOf(page) < 0) page = page->parentWidget();
            QVERIFY2(page, f.name);
            QCOMPARE(ui.tabWidget->tabText(ui.tabWidget->indexOf(page)), QString(formGroupCaption(f.group)));
            ++checked;
        }
        QCOMPARE(checked, int(std::size(kNamedFields)) - 17); // 16 dual-rate storage fields, THCURE_Extra
    }
};

QTEST_MAIN(TestNamedFields)
#include "tst_namedfields.moc"
