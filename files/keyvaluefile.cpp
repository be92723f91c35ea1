// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/keyvaluefile.h"

#include <QFile>
#include <QSaveFile>

namespace {
constexpr qint64 kMaxBytes = 16 * 1024; // a few paths and numbers
} // namespace

bool commitBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool writeKeyValueFile(const QString &path, const QByteArray &head, const KeyValues &pairs, QString *error)
{
    QByteArray text = head + '\n';
    for (const auto &[key, value] : pairs) text += QByteArray(key) + '=' + value.toUtf8() + '\n';
    return commitBytes(path, text, error);
}

std::optional<QHash<QByteArray, QString>> readKeyValueFile(const QString &path, const QByteArray &head,
                                                           const QString &foreign, QString *why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return std::nullopt;
    }
    const QList<QByteArray> lines = file.read(kMaxBytes).split('\n');
    if (lines.value(0) != head) {
        *why = foreign;
        return std::nullopt;
    }
    QHash<QByteArray, QString> values;
    for (const QByteArray &line : lines) {
        const int eq = line.indexOf('=');
        if (eq > 0) values.insert(line.left(eq), QString::fromUtf8(line.mid(eq + 1)));
    }
    return values;
}
