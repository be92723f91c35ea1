#include "app/version.h"

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromUtf8(file.readAll()).split('\n');
}

// The value of `key=` in the [Desktop Entry] lines.
QString desktopValue(const QStringList &lines, const QString &key)
{
    for (const QString &line : lines)
        if (line.startsWith(key + '=')) return line.mid(key.size() + 1);
    return {};
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

    QTemporaryDir destDir; // a directory of this run's own, so parallel runs never share one
    QString prefix;        // destDir + /usr

private slots:
    void initTestCase()
    {
        QVERIFY(destDir.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DESTDIR", destDir.path());
        QProcess install;
        install.setProcessEnvironment(environment);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(CMAKE_EXECUTABLE, {"--install", BUILD_DIR, "--prefix", "/usr"});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
                 install.readAll().constData());
        prefix = destDir.filePath("usr");
    }

    void holdsExactlyTheListedFiles()
    {
        QStringList expected;
        for (const QString &line : readLines(TXCONFIG_SOURCE_DIR "/tests/install-manifest.txt"))
            if (!line.trimmed().isEmpty() && !line.startsWith('#')) expected << line.trimmed();
        QVERIFY(!expected.isEmpty());

        QStringList installed;
        QDirIterator it(destDir.path(), QDir::Files | QDir::System | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) installed << QDir(prefix).relativeFilePath(it.next());
        expected.sort();
        installed.sort();
        QCOMPARE(installed, expected);
        QVERIFY(QFileInfo(prefix + "/bin/txconfig").isExecutable());
    }

    void iconsHaveTheSizeOfTheirFolder()
    {
        const QRegularExpression sized("/(\\d+)x\\1/apps/txconfig\\.png$");
        int found = 0;
        QDirIterator it(prefix + "/share/icons/hicolor", {"*.png"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const auto match = sized.match(path);
            QVERIFY2(match.hasMatch(), qPrintable(path));
            const int side = match.captured(1).toInt();
            QCOMPARE(QImage(path).size(), QSize(side, side));
            ++found;
        }
        QCOMPARE(found, 6);
    }

    void entriesPointAtInstalledFiles()
    {
        // The launcher starts a program on PATH and names an icon of the theme; the metainfo names the
        // launcher and the version the program reports.
        const QStringList entry = readLines(prefix + "/share/applications/txconfig.desktop");
        QVERIFY(QFileInfo(prefix + "/bin/" + desktopValue(entry, "Exec").section(' ', 0, 0)).isExecutable());
        const QString icon = desktopValue(entry, "Icon");
        QVERIFY(QFile::exists(prefix + "/share/icons/hicolor/scalable/apps/" + icon + ".svg"));
        QVERIFY(QFile::exists(prefix + "/share/icons/hicolor/48x48/apps/" + icon + ".png"));

        const QString metainfo = readLines(prefix + "/share/metainfo/txconfig.metainfo.xml").join('\n');
        QVERIFY(metainfo.contains("<launchable type=\"desktop-id\">txconfig.desktop</launchable>"));
        QVERIFY(metainfo.contains(QStringLiteral("<release version=\"%1\"").arg(kProgramVersion)));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
