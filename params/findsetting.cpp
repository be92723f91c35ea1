// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/findsetting.h"

#include "params/editorindex.h"
#include "params/meanings.h"
#include "params/pilotlabels.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

FindEntry makeEntry(const QString &label, const QString &meaning, const QString &name, const QString &editor)
{
    return {label, meaning, name, editor,
            foldedForSearch(label + QLatin1Char('\n') + meaning + QLatin1Char('\n') + name)};
}

QStringList words(const QString &query)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return foldedForSearch(query).split(space, Qt::SkipEmptyParts);
}

bool allIn(const QStringList &words, const QString &folded)
{
    return std::all_of(words.begin(), words.end(), [&](const QString &w) { return folded.contains(w); });
}

} // namespace

const QVector<FindEntry> &findEntries()
{
    // Made again when the meanings speak another language (a catalogue installed since).
    static QVector<FindEntry> entries;
    static QString madeWith;
    const QString probe = meaningOf(QStringLiteral("sub1")).text;
    if (entries.isEmpty() || probe != madeWith) {
        madeWith = probe;
        QVector<FindEntry> &list = entries;
        list.clear();
        for (const NamedField &f : kNamedFields)
            if (const char *editor = editorFor(f))
                list.append(makeEntry(pilotLabel(f), meaningOf(QLatin1String(f.name)).text,
                                      QLatin1String(f.name), QLatin1String(editor)));
        // The D/R rate and exponential, the version and the D/R boxes shown on a second tab.
        for (const EditorEntry &e : editorEntries()) {
            const SettingMeaning m = meaningOf(QLatin1String(e.objectName));
            if (!m.label.isEmpty())
                list.append(
                    makeEntry(m.label, m.text, QLatin1String(e.objectName), QLatin1String(e.objectName)));
        }
    }
    return entries;
}

QString foldedForSearch(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_SpacingCombining &&
            c.category() != QChar::Mark_Enclosing)
            folded.append(c);
    return folded.toCaseFolded();
}

QVector<const FindEntry *> findSettings(const QString &query, const QVector<FindEntry> &entries)
{
    const QStringList wanted = words(query);
    const QString whole = wanted.join(QLatin1Char(' '));
    QVector<std::pair<int, const FindEntry *>> ranked;
    for (const FindEntry &e : entries) {
        if (!allIn(wanted, e.folded)) continue;
        const QString label = foldedForSearch(e.label);
        const int rank = label.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char(' ')) == whole ? 0
                         : allIn(wanted, label + QLatin1Char('\n') + foldedForSearch(e.name))              ? 1
                                                                                              : 2;
        ranked.append({rank, &e});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QVector<const FindEntry *> found;
    for (const auto &r : ranked) found.append(r.second);
    return found;
}
