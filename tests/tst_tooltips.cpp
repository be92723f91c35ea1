// SPDX-License-Identifier: GPL-3.0-or-later
// Every editor of the form explains itself: where it sits, what it does, the range that both it and
// the transmitter accept, and the factory value, as the sanitiser's rules and the factory reset say.
#include "views/editortips.h"
#include "app/mainwindow.h"
#include "params/editorindex.h"
#include "params/meanings.h"
#include "params/rules.h"

#include <QDoubleSpinBox>
#include <QtTest>

namespace {

const SanitiseRule *ruleFor(IntField field)
{
    int count = 0;
    const SanitiseRule *rules = sanitiseRules(&count);
    for (int i = 0; i < count; ++i)
        if (rules[i].field == field) return &rules[i];
    return nullptr;
}

const NamedField *shownBy(const QWidget *editor)
{
    for (const EditorEntry &e : editorEntries())
        if (editor->objectName() == QLatin1String(e.objectName)) return shownSetting(e, params);
    return nullptr;
}

QString lineStarting(const QStringList &lines, const QString &head)
{
    for (const QString &line : lines)
        if (line.startsWith(head)) return line.mid(head.size());
    return QString();
}

// `text` is `value`, alone or followed by a unit.
bool isValue(const QString &text, const QString &value)
{
    return text == value || text.startsWith(value + QLatin1Char(' '));
}

} // namespace

class TestToolTips : public QObject
{
    Q_OBJECT
    MainWindow window;
    QTabWidget *tabs = window.findChild<QTabWidget *>("tabWidget");

    QList<QWidget *> editors()
    {
        QList<QWidget *> list;
        for (QWidget *w : tabs->findChildren<QWidget *>())
            if (qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QComboBox *>(w)) list << w;
        return list;
    }

    QString tabOf(const QWidget *editor)
    {
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(editor)) return tabs->tabText(i);
        return QString();
    }

private slots:
    void everyEditorSaysWhereWhatRangeAndFactory()
    {
        const ParameterSet factory = [] {
            ParameterSet p;
            resetFirstHalf(p);
            resetSecondHalf(p);
            return p;
        }();
        const QList<QWidget *> all = editors();
        // The bound editors, the four "NC" boxes and the PC version's box.
        QCOMPARE(all.size(), editorEntries().size() + 5);
        for (QWidget *editor : all) {
            const QString name = editor->objectName();
            const QStringList lines = editor->toolTip().split('\n');
            QVERIFY2(lines.size() == 4, qPrintable(name + ": " + editor->toolTip()));
            QVERIFY2(lines[0].startsWith(tabOf(editor) + " / "), qPrintable(name + ": " + lines[0]));
            QVERIFY2(lines[1].size() > 20, qPrintable(name + ": " + lines[1]));

            const NamedField *shown = shownBy(editor);
            // An editor of its own setting explains that setting, not another row's.
            if (shown && name.endsWith(QLatin1Char('_') + QLatin1String(shown->name)))
                QCOMPARE(lines[1], meaningOf(shown->name).text);
            const SanitiseRule *rule = shown ? ruleFor(shown->field) : nullptr;
            const double scale = shown && shown->volts ? 10.0 : 1.0;
            const QString range = lineStarting(lines, "Range: ");
            const QString factoryText = lineStarting(lines, "Factory: ");
            if (auto *box = qobject_cast<QComboBox *>(editor)) {
                QStringList items;
                for (int i = 0; i < box->count() && (!rule || i <= rule->high); ++i)
                    items << box->itemText(i);
                QCOMPARE(range, items.join(", "));
                QCOMPARE(factoryText, box->itemText(shown ? factory.*shown->field : 0));
            } else if (auto *spin = qobject_cast<QDoubleSpinBox *>(editor)) {
                QVERIFY(shown && rule);
                const QString low = QString::number(qMax(spin->minimum(), rule->low / scale), 'f', 1);
                const QString high = QString::number(qMin(spin->maximum(), rule->high / scale), 'f', 1);
                QCOMPARE(range, QString("%1 to %2 V").arg(low, high));
                QCOMPARE(factoryText, QString::number(factory.*shown->volts, 'f', 1) + " V");
            } else {
                auto *box = qobject_cast<QSpinBox *>(editor);
                const int low = rule ? qMax(box->minimum(), rule->low) : box->minimum();
                const int high = rule ? qMin(box->maximum(), rule->high) : box->maximum();
                QVERIFY2(isValue(range, QString("%1 to %2").arg(low).arg(high)),
                         qPrintable(name + ": " + range));
                if (shown)
                    QVERIFY2(isValue(factoryText, QString::number(factory.*shown->field)),
                             qPrintable(name + ": " + factoryText));
                else // the version: the transmitter's own, never reset
                    QVERIFY2(factoryText.startsWith("none"), qPrintable(name + ": " + factoryText));
            }
        }
    }

    void narrowerOfEditorAndTransmitter()
    {
        // The rules and the editors disagree here; the tooltip gives what both accept, with its unit.
        auto rangeOf = [this](const char *name) {
            return lineStarting(window.findChild<QWidget *>(name)->toolTip().split('\n'), "Range: ");
        };
        QCOMPARE(rangeOf("doubleSpinBox_Volt"), QString("0.0 to 50.0 V"));
        QCOMPARE(rangeOf("spinBox_Mode"), QString("1 to 4"));
        QCOMPARE(rangeOf("spinBox_Rssi"), QString("-100 to 0 dBm"));
        QCOMPARE(rangeOf("spinBox_PRM03_Data2"), QString("0 to 100 %"));
    }

    void transmitterValueComesFirst()
    {
        auto *sub3 = window.findChild<QWidget *>("spinBox_sub3");
        const QString plain = editorToolTip(sub3, params, QString());
        QCOMPARE(sub3->toolTip(), plain);
        const QString withValue = editorToolTip(sub3, params, "-12 steps");
        QCOMPARE(withValue, "On the transmitter: -12 steps\n" + plain);
    }

    void everySettingHasAMeaning()
    {
        for (const NamedField &f : kNamedFields) {
            const SettingMeaning m = meaningOf(f.name);
            QVERIFY2(m.found && m.text.size() > 20 && !m.text.contains("%1"), f.name);
        }
        // Numbered rows say the number they describe.
        QVERIFY(meaningOf("sub7").text.contains("channel 7"));
        QVERIFY(meaningOf("PRM03_Slave").text.contains("mix 3"));
        QVERIFY(!meaningOf("subX").found);
    }
};

QTEST_MAIN(TestToolTips)
#include "tst_tooltips.moc"
