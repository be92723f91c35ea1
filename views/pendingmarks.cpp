// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/pendingmarks.h"

#include "params/pilotlabels.h"
#include "params/settingsdiff.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPainter>
#include <QSet>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

namespace {

// A small amber dot with a dark ring: seen on the grey and on the red selected tab alike.
QPixmap markerDot()
{
    QPixmap dot(14, 14);
    dot.fill(Qt::transparent);
    QPainter p(&dot);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.setBrush(QColor(255, 190, 40));
    p.drawEllipse(QRectF(1.5, 1.5, 11, 11));
    return dot;
}

void setPending(QWidget *w, bool on)
{
    if (w->property("pending").toBool() == on) return;
    w->setProperty("pending", on);
    // A property selector is matched when the widget is polished.
    w->style()->unpolish(w);
    w->style()->polish(w);
}

} // namespace

PendingMarks::PendingMarks(QWidget *form, QTabWidget *tabs, QAbstractButton *count, QObject *parent)
    : QObject(parent), m_form(form), m_tabs(tabs), m_count(count), m_tabBar(tabs->findChild<QTabBar *>())
{
    toolTip = [](QWidget *, const QString &onTransmitter) {
        //: %1 is the setting's value as the transmitter holds it.
        return onTransmitter.isEmpty() ? QString() : tr("On the transmitter: %1").arg(onTransmitter);
    };
}

const QVector<PendingMarks::Editor> &PendingMarks::editors()
{
    if (m_editors.isEmpty()) {
        // One walk of the form, not one search per editor: this runs while the window is built.
        QHash<QString, QWidget *> byName;
        for (QWidget *w : m_form->findChildren<QWidget *>()) byName.insert(w->objectName(), w);
        for (const EditorEntry &e : editorEntries())
            if (QWidget *w = byName.value(QLatin1String(e.objectName))) m_editors.append({&e, w});
        m_shownTips.fill(QString(), m_editors.size());
    }
    return m_editors;
}

const PendingMarks::Editor *PendingMarks::editorOf(const QWidget *widget)
{
    for (const Editor &e : editors())
        if (e.widget == widget) return &e;
    return nullptr;
}

QWidget *PendingMarks::widgetFor(const NamedField &setting)
{
    const char *name = editorFor(setting);
    if (!name) return nullptr;
    for (const Editor &e : editors())
        if (qstrcmp(e.entry->objectName, name) == 0) return e.widget;
    return nullptr;
}

void PendingMarks::refresh(const ParameterSet &form, const std::optional<ParameterSet> &onTransmitter)
{
    m_settings.clear();
    m_equal = 0;
    if (onTransmitter) {
        const SettingsDiff diff = compareFormSettings(form, *onTransmitter);
        m_settings = diff.differing;
        m_equal = diff.equal;
    }
    const QSet<const NamedField *> differing(m_settings.cbegin(), m_settings.cend());
    const QVector<Editor> &all = editors();
    QSet<const NamedField *> shownMarked;
    QSet<int> tabs;
    for (int i = 0; i < all.size(); ++i) {
        const NamedField *shown = shownSetting(*all[i].entry, form);
        const bool marked = shown && differing.contains(shown);
        setPending(all[i].widget, marked);
        if (marked) {
            shownMarked.insert(shown);
            tabs.insert(tabOf(all[i].widget));
        }
        // Once known, every editor's tooltip says what the transmitter holds.
        const QString held = onTransmitter && shown ? pilotValue(*shown, *onTransmitter) : QString();
        if (m_shownTips[i] == held) continue;
        m_shownTips[i] = held;
        all[i].widget->setToolTip(toolTip(all[i].widget, held));
    }
    // A setting no editor shows now (another D/R channel's storage) marks the tab it belongs to.
    for (const NamedField *f : m_settings)
        if (!shownMarked.contains(f)) tabs.insert(tabOf(*f));
    markTabs(tabs);
    // Two short lines, so the tab bar keeps room for every tab beside it.
    //: Beside the tabs, in two short lines.
    m_count->setText(tr("%n setting(s)\nnot on the transmitter", nullptr, int(m_settings.size())));
    m_count->setVisible(!m_settings.isEmpty());
    emit refreshed();
}

// A marker beside the caption rather than a tab icon: the form's icon size would widen a tab by a
// hundred pixels and push the last tabs out of the bar.
void PendingMarks::markTabs(const QSet<int> &tabs)
{
    static const QPixmap dot = markerDot();
    for (int i = 0; i < m_tabs->count(); ++i) {
        QWidget *page = m_tabs->widget(i);
        QLabel *&marker = m_tabMarkers[page];
        const bool marked = tabs.contains(i);
        if (marked == (m_tabBar->tabButton(i, QTabBar::LeftSide) != nullptr)) continue;
        if (marked && !marker) {
            marker = new QLabel;
            marker->setObjectName(QStringLiteral("pendingTabMarker"));
            marker->setPixmap(dot);
            marker->setToolTip(tr("Settings on this page are not on the transmitter"));
            marker->setAttribute(Qt::WA_TranslucentBackground);
            marker->setStyleSheet(QStringLiteral("background: transparent;"));
        }
        m_tabBar->setTabButton(i, QTabBar::LeftSide, marked ? marker : nullptr);
    }
}

int PendingMarks::tabOf(const QWidget *editor) const
{
    for (int i = 0; i < m_tabs->count(); ++i)
        if (m_tabs->widget(i)->isAncestorOf(editor)) return i;
    return -1;
}

int PendingMarks::tabOf(const NamedField &setting) const
{
    for (int i = 0; i < m_tabs->count(); ++i)
        if (m_tabs->tabText(i) == QLatin1String(formGroupCaption(setting.group))) return i;
    return -1;
}
