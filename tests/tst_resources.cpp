// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawnicon.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QResource>
#include <QtTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// The declarations of `selector { ... }` in a sheet, one per entry, whitespace trimmed.
QStringList declarations(const QByteArray &sheet, const QString &selector)
{
    const QRegularExpression rule(QRegularExpression::escape(selector) + QStringLiteral("\\s*\\{([^}]*)\\}"));
    const auto match = rule.match(QString::fromLatin1(sheet));
    if (!match.hasMatch()) return {};
    QStringList result;
    for (const QString &d : match.captured(1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = d.trimmed();
        if (!trimmed.isEmpty()) result << trimmed + QLatin1Char(';');
    }
    return result;
}

const QStringList kNormalLook = {"background-color: rgb(85, 170, 255);",
                                 "border-style:outset;",
                                 "border-width:4px;",
                                 "border-radius:4px;",
                                 "border-color:rgba(0,0,0,0);",
                                 "font:bold 22px;",
                                 "color:rgba(255,255,255,255);",
                                 "padding:0px;"};
const QStringList kHoverHighlight = {"background-color:rgba(100,255,100,100);",
                                     "border-color:rgba(255,255,255,255);", "color:rgba(255,255,255,255);"};

QStringList warnings;
void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) warnings << message;
}

// The face colour of an empty combo box drawn with the given sheet, optionally as if hovered.
QColor comboFace(const QByteArray &sheet, bool hovered)
{
    QComboBox box;
    box.resize(120, 40);
    box.setStyleSheet(QString::fromLatin1(sheet));
    box.setAttribute(Qt::WA_UnderMouse, hovered);
    return box.grab().toImage().pixelColor(12, 20);
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void bundleIsRegisteredBeforeMain()
    {
        // No Q_INIT_RESOURCE anywhere: linking txgui is enough.
        QVERIFY(QFile::exists(":/comboBox.qss"));
        QVERIFY(QFile::exists(":/comboBox_REV.qss"));
        QVERIFY(QFile::exists(":/myImage/images/red.png"));
    }

    void images_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("side");
        for (const char *name : {"Receive", "open", "Send", "save", "Reset", "app", "about"})
            QTest::newRow(name) << QStringLiteral(":/myImage/images/%1.png").arg(name) << 256;
        for (const char *name : {"red", "green"})
            QTest::newRow(name) << QStringLiteral(":/myImage/images/%1.png").arg(name) << 200;
    }

    void images()
    {
        QFETCH(QString, path);
        QFETCH(int, side);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(side, side));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(image.depth(), 32);
        // Drawn on a transparent canvas: the corners are see-through, the middle is not.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QVERIFY(qAlpha(image.pixel(side / 2, side * 3 / 4)) > 200);
    }

    // What the form's icons draw, from a drawing made by the build or from the image, against QIcon's
    // own drawing of the image: the drawn sizes, sizes drawn from the image (a high-DPI screen's, one
    // over the image's own size, one not square), in every mode.
    void drawnIconsDrawWhatQIconDraws_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        const QList<QSize> buttonSizes = {{60, 60}, {120, 120}, {300, 300}, {48, 32}};
        for (const char *name : {"Receive", "open", "Send", "save", "Reset", "app"})
            for (const QSize size : buttonSizes)
                QTest::addRow("%s %dx%d", name, size.width(), size.height())
                    << QStringLiteral(":/myImage/images/%1.png").arg(name) << size;
        for (const char *name : {"red", "green"})
            for (const QSize size : {QSize(40, 40), QSize(80, 80), QSize(39, 41)})
                QTest::addRow("%s %dx%d", name, size.width(), size.height())
                    << QStringLiteral(":/myImage/images/%1.png").arg(name) << size;
    }
    void drawnIconsDrawWhatQIconDraws()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QIcon drawn = form::drawnIcon(path);
        const QIcon image(path);
        QCOMPARE(drawn.availableSizes(), image.availableSizes());
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
            QCOMPARE(drawn.actualSize(size, mode), image.actualSize(size, mode));
            const QImage got = drawn.pixmap(size, mode).toImage();
            QVERIFY2(got == image.pixmap(size, mode).toImage(), qPrintable(QString("mode %1").arg(mode)));
            QImage painted(size, QImage::Format_ARGB32_Premultiplied), expected = painted;
            for (auto [icon, target] : {std::pair{&drawn, &painted}, std::pair{&image, &expected}}) {
                target->fill(Qt::transparent);
                QPainter painter(target);
                icon->paint(&painter, QRect(QPoint(), size), Qt::AlignCenter, mode);
            }
            QVERIFY2(painted == expected, qPrintable(QString("painted in mode %1").arg(mode)));
        }
    }

    void lampsShowTheirColour()
    {
        const QColor off = QImage(":/myImage/images/red.png").pixelColor(100, 120);
        const QColor on = QImage(":/myImage/images/green.png").pixelColor(100, 120);
        QVERIFY2(off.red() > 200 && off.red() - off.green() > 80, qPrintable(off.name()));
        QVERIFY2(on.green() > 200 && on.green() - on.red() > 80, qPrintable(on.name()));
    }

    void styleSheetFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("hover");
        QTest::newRow("normal") << ":/comboBox.qss" << 482 << kHoverHighlight;
        QTest::newRow("REV") << ":/comboBox_REV.qss" << 658 << kNormalLook;
    }

    void styleSheetFiles()
    {
        QFETCH(QString, path);
        QFETCH(int, size);
        QFETCH(QStringList, hover);
        const QByteArray sheet = readAll(path);
        QCOMPARE(sheet.size(), size);
        QVERIFY(sheet.endsWith("\r\n"));
        QCOMPARE(sheet.count('\n'), sheet.count("\r\n"));
        QCOMPARE(sheet.count('\r'), sheet.count("\r\n"));
        QCOMPARE(declarations(sheet, "QComboBox"), kNormalLook);
        QCOMPARE(declarations(sheet, "QComboBox:hover"), hover);
    }

    void revSheetIsStoredCompressed()
    {
        QCOMPARE(QResource(":/comboBox_REV.qss").compressionAlgorithm(), QResource::ZlibCompression);
    }

    void sheetsParseAndApply()
    {
        const QByteArray normal = readAll(":/comboBox.qss");
        const QByteArray rev = readAll(":/comboBox_REV.qss");
        const QColor blue(85, 170, 255);

        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
        const QColor normalFace = comboFace(normal, false);
        const QColor normalHovered = comboFace(normal, true);
        const QColor revFace = comboFace(rev, false);
        const QColor revHovered = comboFace(rev, true);
        qInstallMessageHandler(previous);

        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
        QCOMPARE(normalFace, blue);
        QCOMPARE(revFace, blue);
        QVERIFY2(normalHovered != blue, qPrintable(normalHovered.name())); // green highlight over the box
        QCOMPARE(revHovered, blue);                                        // hovering changes nothing
    }

    void windowsIcon()
    {
        const QString ico = TXCONFIG_SOURCE_DIR "/resources/txconfig.ico";
        const QImage image(ico);
        QCOMPARE(image.size(), QSize(256, 256));
        QVERIFY(image.hasAlphaChannel());
        const QByteArray rc = readAll(TXCONFIG_SOURCE_DIR "/resources/txconfig.rc");
        QCOMPARE(rc.trimmed(), QByteArray("IDI_ICON1 ICON \"txconfig.ico\""));
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
