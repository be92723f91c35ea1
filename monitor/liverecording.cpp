// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/liverecording.h"

#include "monitor/livefigures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

LiveRecording::LiveRecording(QObject *parent) : QObject(parent)
{
    m_flushTimer.setInterval(kFlushMs);
    connect(&m_flushTimer, &QTimer::timeout, this, [this] { flush(); });
}

LiveRecording::~LiveRecording()
{
    blockSignals(true); // its listeners may be on their way out too
    stop();
}

bool LiveRecording::start(const QString &path)
{
    stop();
    m_path = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    m_failure.clear();
    m_error.clear();
    m_pending.clear();
    m_rows = m_rowsKept = m_pendingRows = m_bytesKept = 0;
    m_originUs = -1;
    m_file.setFileName(m_path);
    // Unbuffered: rows are gathered here, and a full disk must show at our write, not at Qt's.
    const QByteArray header = csvHeader();
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) ||
        m_file.write(header) != header.size()) {
        //: %1 is the file, %2 the system's reason.
        m_failure = tr("Cannot record to %1: %2").arg(QDir::toNativeSeparators(m_path), m_file.errorString());
        m_file.close();
        return false;
    }
    m_bytesKept = header.size();
    m_clock.start();
    m_flushTimer.start();
    return true;
}

void LiveRecording::stop()
{
    if (!isRecording()) return;
    if (!flush()) return; // fail() has stopped it
    m_flushTimer.stop();
    m_file.close();
    emit stopped();
}

void LiveRecording::add(const QVector<LiveSample> &samples)
{
    if (!isRecording()) return;
    for (const LiveSample &s : samples) {
        if (s.kind != FrameKind::Channel && s.kind != FrameKind::Telemetry) continue;
        if (m_originUs < 0) m_originUs = s.atUs;
        appendCsvRow(m_pending, (s.atUs - m_originUs) / 1000, s);
        ++m_rows;
        ++m_pendingRows;
    }
}

bool LiveRecording::flush()
{
    if (!isRecording()) return false;
    const QString shown = QDir::toNativeSeparators(m_path);
    // Writing on would go to a file nobody can open again.
    if (!QFileInfo::exists(m_path)) {
        m_rowsKept = 0;
        //: %1 is the file.
        fail(tr("Recording stopped: %1 is gone (deleted, or its folder removed); no rows were kept.")
                 .arg(shown),
             //: Why a recording stopped, where the system gives no reason of its own.
             tr("the file is gone (deleted, or its folder removed)"));
        return false;
    }
    if (m_pending.isEmpty()) return true;
    // A short write says nothing of why; the next one fails with the reason.
    qint64 written = 0, n = 0;
    while (written < m_pending.size() &&
           (n = m_file.write(m_pending.constData() + written, m_pending.size() - written)) > 0)
        written += n;
    if (written != m_pending.size()) {
        const QString why = m_file.errorString();
        // Back to the last whole row: a half row would trip whatever reads the file.
        m_file.resize(m_bytesKept);
        //: %1 is the file, %2 the system's reason, %n the whole rows the file keeps.
        fail(tr("Recording stopped: cannot write %1 (%2); %n row(s) kept.", nullptr, int(m_rowsKept))
                 .arg(shown, why),
             why);
        return false;
    }
    m_bytesKept += written;
    m_rowsKept += m_pendingRows;
    m_pendingRows = 0;
    m_pending.resize(0);
    return true;
}

void LiveRecording::fail(const QString &notice, const QString &reason)
{
    m_failure = notice;
    m_error = reason;
    m_flushTimer.stop();
    m_file.close();
    m_pending.clear();
    m_pendingRows = 0;
    emit failed(notice);
    emit stopped();
}

QString rowCountText(qint64 rows)
{
    return QCoreApplication::translate("LiveRecording", "%n row(s)", nullptr, int(rows));
}
