// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>

// The finder's list: every setting the form has an editor for, searchable by the pilot's label, the
// meaning and the code's name.
struct FindEntry {
    QString label;   // "ADVANCE1 / ATTITUDE / ATTI2"
    QString meaning; // one line
    QString name;    // "Atti2", or the editor's objectName where it shows no setting of its own
    QString editor;  // the objectName to go to
    QString folded;  // label, meaning and name as foldedForSearch() makes them
};

// Every setting with an editor, in the form's order, then the editors that show none of their own.
const QVector<FindEntry> &findEntries();

// Case and accents taken away: "Élevon" and "elevon" fold alike.
QString foldedForSearch(const QString &text);

// The entries every word of `query` occurs in, in any order: first those whose label is the query,
// then those the label and name alone answer, then those found through their meaning, each in the
// form's order. An empty query finds every entry.
QVector<const FindEntry *> findSettings(const QString &query,
                                        const QVector<FindEntry> &entries = findEntries());
