// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/editortips.h"

#include "params/editorindex.h"
#include "params/meanings.h"
#include "params/pilotlabels.h"
#include "params/rules.h"
#include "params/settingtext.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QSpinBox>

namespace {

const EditorEntry *entryOf(const QWidget *editor)
{
    for (const EditorEntry &e : editorEntries())
        if (editor->objectName() == QLatin1String(e.objectName)) return &e;
    return nullptr;
}

QString withUnit(const QString &number, const QString &unit)
{
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

// What the editor lets the pilot enter, narrowed to what the transmitter keeps where the sanitiser
// has a rule for the setting: a value outside it would be replaced on the next read.
QString rangeText(const QWidget *editor, const NamedField *shown, const QString &unit)
{
    double low = -1e9, high = 1e9;
    if (shown) acceptedRange(*shown, &low, &high);
    if (const auto *box = qobject_cast<const QComboBox *>(editor)) {
        QStringList items;
        for (int i = qMax(0, int(low)); i < box->count() && i <= high; ++i) items << box->itemText(i);
        return items.join(QStringLiteral(", "));
    }
    if (const auto *spin = qobject_cast<const QDoubleSpinBox *>(editor)) {
        const int decimals = spin->decimals();
        //: A range of values, lowest to highest.
        return withUnit(QCoreApplication::translate("EditorTips", "%1 to %2")
                            .arg(QString::number(qMax(low, spin->minimum()), 'f', decimals),
                                 QString::number(qMin(high, spin->maximum()), 'f', decimals)),
                        unit);
    }
    if (const auto *spin = qobject_cast<const QSpinBox *>(editor))
        //: A range of values, lowest to highest.
        return withUnit(QCoreApplication::translate("EditorTips", "%1 to %2")
                            .arg(qMax(int(low), spin->minimum()))
                            .arg(qMin(int(high), spin->maximum())),
                        unit);
    return QString();
}

QString factoryText(const QWidget *editor, const EditorEntry *entry, const NamedField *shown,
                    const QString &unit)
{
    static const ParameterSet factory = factorySet();
    if (shown) return settingText(*shown, factory);
    if (const auto *box = qobject_cast<const QComboBox *>(editor); box && !entry)
        return box->itemText(0); // a box with nothing to choose holds its one item
    // The D/R view with no channel selected shows its own field; the version is never reset.
    if (entry && entry->field && entry->field != &ParameterSet::Vertion)
        return withUnit(QString::number(factory.*entry->field), unit);
    //: The factory value of a read-only field such as the transmitter's version.
    return QCoreApplication::translate("EditorTips", "none, the transmitter reports it");
}

} // namespace

QString editorToolTip(const QWidget *editor, const ParameterSet &form, const QString &transmitterValue)
{
    const EditorEntry *entry = entryOf(editor);
    const NamedField *shown = entry ? shownSetting(*entry, form) : nullptr;
    SettingMeaning meaning = meaningOf(editor->objectName());
    if (!meaning.found && shown) meaning = meaningOf(QLatin1String(shown->name));
    const QString label = !meaning.label.isEmpty() ? meaning.label
                          : shown                  ? pilotLabel(*shown)
                                                   : editor->objectName();

    QStringList lines;
    //: %1 is the setting's value as the transmitter holds it.
    if (!transmitterValue.isEmpty())
        lines << QCoreApplication::translate("EditorTips", "On the transmitter: %1").arg(transmitterValue);
    lines << label;
    if (!meaning.text.isEmpty()) lines << meaning.text;
    //: %1 is what the editor accepts, e.g. "-100 to 100 %" or a list of its choices.
    lines
        << QCoreApplication::translate("EditorTips", "Range: %1").arg(rangeText(editor, shown, meaning.unit));
    //: %1 is the value the setting takes at a factory reset.
    lines << QCoreApplication::translate("EditorTips", "Factory: %1")
                 .arg(factoryText(editor, entry, shown, meaning.unit));
    return lines.join(QLatin1Char('\n'));
}
