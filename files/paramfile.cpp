#include "files/paramfile.h"

#include "link/textframes.h"

#include <QDebug>
#include <QTextStream>

QString LoadText;

QString readParameterFileText(QIODevice &device)
{
    // The cap counts bytes: counted in characters it would let a file in a wider encoding (a UTF-16
    // byte order mark is enough) take the reader twice or four times as far.
    QTextStream in(device.read(kMaxParameterFileBytes));
    return in.readAll();
}

namespace {
bool markersAt(const QString &text, int start, QChar lead, QChar end)
{
    return text.at(start) == lead && text.at(start + 80) == end;
}
} // namespace

LoadedFrames readParameterText(const QString &text, ParameterSet &p)
{
    const int n = text.size();
    LoadedFrames loaded;
    qDebug("Blength00:%d", n);
    if (n > 161) {
        if (markersAt(text, 0, 'S', 'Y')) {
            qDebug("Blength01:%d", n);
            readFrameFields(TextFrame::S, text, 0, p);
            loaded.s = true;
        }
        if (markersAt(text, 81, 'G', 'Z')) {
            qDebug("Blength02:%d", n);
            readFrameFields(TextFrame::G, text, 81, p);
            loaded.g = true;
        }
    }
    if (n > 242) {
        if (markersAt(text, 162, 'H', 'X')) {
            qDebug("Blength03:%d", n);
            readFrameFields(TextFrame::H, text, 162, p);
            loaded.h = true;
        }
        if (n > 323 && markersAt(text, 243, 'I', 'V')) {
            readFrameFields(TextFrame::I, text, 243, p);
            loaded.i = true;
        }
    }
    return loaded;
}
