// SPDX-License-Identifier: GPL-3.0-or-later
// Build step: draws the form's icons at the sizes the form shows them and writes them as raw
// premultiplied RGBA with a resource file listing them, so that the window shows its command buttons
// and lamp without decoding a 256x256 image for each. Scaled the way QIcon scales a larger image, with
// the Qt the program is built with, so what the window draws is the same pixels either way.
//   drawnicons <out-dir> <image>:<side> [<image>:<side> ...]
// writes <out-dir>/drawn/<image's file name>/<side>x<side>.rgba and <out-dir>/drawnicons.qrc.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <cstdio>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "drawnicons: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <out-dir> <image>:<side> ...\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/\">\n";
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const int colon = arg.lastIndexOf(':');
        bool ok = false;
        const int side = colon > 0 ? arg.mid(colon + 1).toInt(&ok) : 0;
        const QImage source(arg.left(colon));
        if (!ok || side <= 0 || source.isNull()) {
            std::fprintf(stderr, "drawnicons: not an image and a side: %s\n", argv[i]);
            return 1;
        }
        // QIcon keeps a decoded image as a pixmap (premultiplied) and scales that smoothly.
        const QImage drawn = source.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                 .scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_RGBA8888_Premultiplied);
        const QString name =
            QStringLiteral("drawn/%1/%2x%2.rgba").arg(QFileInfo(arg.left(colon)).fileName()).arg(side);
        QByteArray bytes;
        for (int y = 0; y < drawn.height(); ++y)
            bytes.append(reinterpret_cast<const char *>(drawn.constScanLine(y)), drawn.width() * 4);
        if (!out.mkpath(QFileInfo(name).path()) || !writeFile(out.filePath(name), bytes)) return 1;
        qrc += "        <file compression-algorithm=\"none\">" + name.toUtf8() + "</file>\n";
    }
    qrc += "    </qresource>\n</RCC>\n";
    return writeFile(out.filePath(QStringLiteral("drawnicons.qrc")), qrc) ? 0 : 1;
}
