// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

// The small state files (the journal, a draft's description): a head line naming the kind and version,
// then `key=value` lines in UTF-8. Values may hold anything but a line break.
using KeyValues = std::vector<std::pair<const char *, QString>>;

// Writes `head` and the pairs to `path` whole or not at all (QSaveFile); false with `error` set.
bool writeKeyValueFile(const QString &path, const QByteArray &head, const KeyValues &pairs, QString *error);
// Writes `bytes` to `path` whole or not at all; false with `error` set.
bool commitBytes(const QString &path, const QByteArray &bytes, QString *error);

// The values of a file that starts with `head`; empty with `why` set when it cannot be read, or to
// `foreign` when it is of another kind.
std::optional<QHash<QByteArray, QString>> readKeyValueFile(const QString &path, const QByteArray &head,
                                                           const QString &foreign, QString *why);
