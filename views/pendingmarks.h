// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "params/editorindex.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QVector>

#include <functional>
#include <optional>

class QAbstractButton;
class QLabel;
class QTabBar;
class QTabWidget;
class QWidget;

// Marks what the form holds that the transmitter does not: each editor whose setting differs (a tint
// through its "pending" property, the transmitter's value first in its tooltip), each tab holding
// one (an icon; the caption stays), and a count. Worked out from the two models, never from the
// widgets, and only when asked: after a change of the form or a newly known transmitter model.
class PendingMarks : public QObject
{
    Q_OBJECT

public:
    struct Editor {
        const EditorEntry *entry;
        QWidget *widget;
    };

    // `toolTip` makes an editor's tooltip from the transmitter's value ("" when unknown), which it must
    // put first.
    PendingMarks(QWidget *form, QTabWidget *tabs, QAbstractButton *count, QObject *parent = nullptr);

    std::function<QString(QWidget *editor, const QString &onTransmitter)> toolTip;

    void refresh(const ParameterSet &form, const std::optional<ParameterSet> &onTransmitter);

    // The settings not on the transmitter, in the form's order; empty while its model is unknown.
    const QVector<const NamedField *> &settings() const { return m_settings; }
    int equalCount() const { return m_equal; }
    const QVector<Editor> &editors();
    const Editor *editorOf(const QWidget *widget);
    QWidget *widgetFor(const NamedField &setting);

signals:
    void refreshed();

private:
    void markTabs(const QSet<int> &tabs);
    int tabOf(const QWidget *editor) const;
    int tabOf(const NamedField &setting) const;

    QWidget *m_form;
    QTabWidget *m_tabs;
    QAbstractButton *m_count;
    QVector<Editor> m_editors;    // found on first use
    QVector<QString> m_shownTips; // the transmitter's value each tooltip says, "" for none
    QVector<const NamedField *> m_settings;
    int m_equal = 0;
    QTabBar *m_tabBar;
    QHash<QWidget *, QLabel *> m_tabMarkers; // by page: the tabs move; the bar owns them once shown
};
