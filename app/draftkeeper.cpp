// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/draftkeeper.h"

#include "app/formundo.h"
#include "app/recoveryquestion.h"

#include <QCoreApplication>
#include <QDir>

namespace {
// A draft follows the edits by at most this much, and is never written more often.
constexpr int kDraftDelayMs = 2000;
} // namespace

DraftKeeper::DraftKeeper(FormUndo &undo, const ParameterSet &form, Window window, const QString &folder)
    : m_undo(undo), m_form(form), m_window(std::move(window)), m_store(folder)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDraftDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &DraftKeeper::keepNow);
    QUndoStack &stack = undo.stack();
    connect(&stack, &QUndoStack::indexChanged, this, [this] {
        if (m_undo.pending() && !m_timer.isActive()) m_timer.start();
    });
    connect(&stack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (!clean) return;
        m_timer.stop();
        m_store.remove();
    });
}

DraftKeeper::~DraftKeeper()
{
    // Ended without a close (a test's window, a quit from outside): only a signal or logout keeps it.
    if (!m_keepAtExit) m_store.remove();
}

void DraftKeeper::keepNow()
{
    if (!m_undo.pending()) return;
    Draft draft;
    draft.time = QDateTime::currentDateTime();
    draft.port = m_window.port();
    for (const NamedField *f : m_undo.pendingSettings()) draft.edited << QLatin1String(f->name);
    draft.settings = m_form;
    QString error;
    if (!m_store.write(draft, &error))
        m_window.warn(QCoreApplication::translate("Recovery", "Edits not kept as a draft in %1")
                          .arg(QDir::toNativeSeparators(m_store.folder())),
                      error);
}

void DraftKeeper::offerOrphans()
{
    for (const DraftStore::Orphan &orphan : m_store.takeOrphans()) {
        if (!orphan.draft) {
            m_window.notice(
                QCoreApplication::translate(
                    "Recovery", "A draft of earlier edits is damaged (%1): %2. It was left in place.")
                    .arg(orphan.why, QDir::toNativeSeparators(m_store.folder() + QLatin1Char('/') +
                                                              orphan.id + QStringLiteral(".draft"))));
            m_store.releaseOrphan(orphan.id);
            continue;
        }
        switch (askDraft(m_window.widget, orphan.draft->time)) {
        case DraftChoice::Restore:
            m_window.restore(orphan.draft->settings);
            m_store.discardOrphan(orphan.id);
            break;
        case DraftChoice::Discard:
            m_store.discardOrphan(orphan.id);
            break;
        case DraftChoice::Keep:
            m_store.releaseOrphan(orphan.id);
            break;
        }
    }
}
