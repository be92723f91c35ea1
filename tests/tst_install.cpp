// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/version.h"

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

    QTemporaryDir destDir; // this run's own, so parallel runs never share one
    QString prefix;        // destDir + /usr

private slots:
    void initTestCase()
    {
        QVERIFY(destDir.isValid());
        QProcess install;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DESTDIR", destDir.path());
        install.setProcessEnvironment(environment);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(CMAKE_EXECUTABLE, {"--install", BUILD_DIR, "--prefix", "/usr"});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0, install.readAll());
        prefix = destDir.filePath("usr");
    }

    void holdsExactlyTheListedFiles()
    {
        QStringList expected;
        for (const QString &line : readText(TXCONFIG_SOURCE_DIR "/tests/install-manifest.txt").split('\n'))
            if (!line.isEmpty() && !line.startsWith('#')) expected << line;
        QStringList installed;
        QDirIterator it(destDir.path(), QDir::Files | QDir::System | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) installed << QDir(prefix).relativeFilePath(it.next());
        expected.sort();
        installed.sort();
        QCOMPARE(installed, expected);
        QVERIFY(QFileInfo(prefix + "/bin/txconfig").isExecutable());

        const QRegularExpression sized("/(\\d+)x\\1/apps/txconfig\\.png$");
        for (const QString &path : installed.filter(".png")) {
            const int side = sized.match(path).captured(1).toInt();
            QCOMPARE(QImage(prefix + '/' + path).size(), QSize(side, side));
        }
    }

    void entriesPointAtInstalledFiles()
    {
        // The menu entry starts a program on PATH and names a theme icon; the metainfo names the entry
        // and the version the program reports.
        const QString entry = readText(prefix + "/share/applications/" + kDesktopId + ".desktop");
        const QString exec =
            QRegularExpression("^Exec=(\\S+)", QRegularExpression::MultilineOption).match(entry).captured(1);
        const QString icon =
            QRegularExpression("^Icon=(\\S+)$", QRegularExpression::MultilineOption).match(entry).captured(1);
        QVERIFY(QFileInfo(prefix + "/bin/" + exec).isExecutable());
        QVERIFY(QFile::exists(prefix + "/share/icons/hicolor/scalable/apps/" + icon + ".svg"));
        QVERIFY(QFile::exists(prefix + "/share/icons/hicolor/48x48/apps/" + icon + ".png"));

        const QString metainfo = readText(prefix + "/share/metainfo/" + kDesktopId + ".metainfo.xml");
        QVERIFY(metainfo.contains(QStringLiteral("<id>%1</id>").arg(kDesktopId)));
        QVERIFY(metainfo.contains(
            QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(kDesktopId)));
        QVERIFY(metainfo.contains(QStringLiteral("<release version=\"%1\"").arg(kProgramVersion)));
        // The package's changelog opens with the version it packages.
        QVERIFY(readText(TXCONFIG_SOURCE_DIR "/packaging/changelog")
                    .startsWith(QStringLiteral("txconfig (%1) ").arg(kProgramVersion)));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
