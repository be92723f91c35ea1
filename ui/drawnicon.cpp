// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawnicon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QResource>
#include <QtEndian>
#include <optional>

namespace form {
namespace {

// The drawings the build made of `path`: ":/drawn/<file name>/<w>x<h>.rgba", raw premultiplied RGBA.
QIcon drawingsOf(const QString &path)
{
    QIcon drawings;
    const QString dir = QStringLiteral(":/drawn/") + path.section('/', -1);
    for (const QString &name : QDir(dir).entryList(QDir::Files)) {
        const QStringList sides = name.section('.', 0, 0).split('x');
        const QResource data(dir + '/' + name);
        const int width = sides.value(0).toInt(), height = sides.value(1).toInt();
        if (width <= 0 || height <= 0 || data.compressionAlgorithm() != QResource::NoCompression ||
            data.size() != qint64(width) * height * 4)
            continue;
        const QImage image(data.data(), width, height, width * 4, QImage::Format_RGBA8888_Premultiplied);
        drawings.addPixmap(QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
    }
    return drawings;
}

// An image's size. A PNG says it in its header (after the 8-byte signature, the IHDR chunk's length and
// type, then width and height big-endian), read here without loading the image format plugins that
// QImageReader looks through on its first use; any other image is asked through QImageReader.
QSize imageSize(const QString &path)
{
    QFile file(path);
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(24) : QByteArray();
    if (head.size() == 24 && head.startsWith("\x89PNG\r\n\x1a\n") && head.mid(12, 4) == "IHDR") {
        const auto *bytes = reinterpret_cast<const uchar *>(head.constData());
        return QSize(int(qFromBigEndian<quint32>(bytes + 16)), int(qFromBigEndian<quint32>(bytes + 20)));
    }
    return QImageReader(path).size();
}

class DrawnIconEngine final : public QIconEngine
{
public:
    explicit DrawnIconEngine(const QString &path)
        : path(path), natural(imageSize(path)), drawings(drawingsOf(path))
    {
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        // As for one image: its own size, shrunk to fit the size asked for.
        QSize actual = natural;
        if (actual.width() > size.width() || actual.height() > size.height())
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return iconFor(actualSize(size, mode, state)).pixmap(size, mode, state);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const QPaintDevice *device = painter->device();
        const qreal ratio = device ? device->devicePixelRatioF() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {natural};
    }
    bool isNull() override
    {
        return natural.isEmpty();
    }
#else
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) const override
    {
        return {natural};
    }
#endif
    QString key() const override
    {
        return QStringLiteral("DrawnIconEngine");
    }
    QIconEngine *clone() const override
    {
        return new DrawnIconEngine(*this);
    }

private:
    const QIcon &iconFor(const QSize &actual)
    {
        if (drawings.availableSizes().contains(actual)) return drawings;
        if (!image) image = QIcon(path);
        return *image;
    }

    QString path;
    QSize natural; // read from the image's header; the pixels wait until a size is asked that was not drawn
    QIcon drawings;
    std::optional<QIcon> image;
};

} // namespace

QIcon drawnIcon(const QString &path)
{
    return QIcon(new DrawnIconEngine(path));
}

} // namespace form
