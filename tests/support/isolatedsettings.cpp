// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every test program: each run gets a fresh, empty config folder, so no test reads or
// writes the user's own settings (or the file dialogs' history, or the history of models) and none sees what
// an earlier run left behind. It runs before main, before anything can have asked QSettings for its paths.

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {
void isolateSettings()
{
    static QTemporaryDir configHome; // removed at exit
    if (configHome.isValid()) qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    // The history of models, too, goes to a folder of the run's own.
    static QTemporaryDir dataHome;
    if (dataHome.isValid()) qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    // And the journal of commands and the drafts: a command cut off in one test must not ask in another.
    static QTemporaryDir stateHome;
    if (stateHome.isValid()) qputenv("XDG_STATE_HOME", QFile::encodeName(stateHome.path()));
    // As main() names the program; without an organisation QSettings reads and writes nothing.
    QCoreApplication::setOrganizationName(QStringLiteral("txconfig"));
}
} // namespace

Q_CONSTRUCTOR_FUNCTION(isolateSettings)
