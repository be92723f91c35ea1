// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/livesample.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

// A recording of the live frames to a CSV file (livefigures.h), one row per frame, for the window
// and txconfig-cli alike.
//
// Guarantees:
// - rows reach the file at least every kFlushMs, and at stop;
// - the file always ends with a whole row: a write that fails (a full disk) is taken back to the
//   last row that was written whole, and the recording stops with failed();
// - a file that disappears while recording (deleted, its folder removed) stops it with failed() too,
//   as nothing more could be kept.
class LiveRecording : public QObject
{
    Q_OBJECT

public:
    static constexpr int kFlushMs = 500;

    explicit LiveRecording(QObject *parent = nullptr);
    ~LiveRecording() override; // stops, keeping what was taken

    // Creates (or replaces) `path` and writes the header; false with failure() set if it cannot.
    bool start(const QString &path);
    // Writes nothing more after flushing what was taken and closes the file. Nothing when stopped.
    void stop();
    bool isRecording() const { return m_file.isOpen(); }

    // Rows for the channel and telemetry frames among `samples`; nothing while stopped.
    void add(const QVector<LiveSample> &samples);

    QString path() const { return m_path; }
    qint64 rows() const { return m_rows; }         // taken since the start
    qint64 rowsKept() const { return m_rowsKept; } // whole in the file
    qint64 elapsedMs() const { return m_clock.isValid() ? m_clock.elapsed() : 0; }
    // Why the last start or the recording failed, as a notice; empty when it did not. errorString()
    // is the system's reason alone.
    QString failure() const { return m_failure; }
    QString errorString() const { return m_error; }

signals:
    // The recording stopped by itself; `notice` says why and how many rows the file keeps.
    void failed(const QString &notice);
    // Any stop, asked for or not.
    void stopped();

private:
    bool flush();
    void fail(const QString &notice, const QString &reason);

    QFile m_file;
    QString m_path;
    QByteArray m_pending; // rows not yet written
    QTimer m_flushTimer;
    QElapsedTimer m_clock;
    qint64 m_originUs = -1; // the first frame's read time: its row is at 0 ms
    qint64 m_rows = 0;
    qint64 m_rowsKept = 0;
    qint64 m_pendingRows = 0;
    qint64 m_bytesKept = 0;
    QString m_failure;
    QString m_error;
};

// "N rows" / "1 row".
QString rowCountText(qint64 rows);
