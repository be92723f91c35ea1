// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/sheetfile.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace {

constexpr int kResolution = 300; // dots per inch of the PDF's coordinates
constexpr qreal kMarginMm = 15;
constexpr qreal kFooterPt = 9;

QPageSize localPageSize()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

bool writePdf(const QString &path, const QString &html, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kResolution);
        writer.setPageSize(localPageSize());
        writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
        //: The PDF's title, as a viewer shows it.
        writer.setTitle(QCoreApplication::translate("ModelSheet", "Model sheet"));
        writer.setCreator(QStringLiteral("txconfig"));

        QTextDocument document;
        document.documentLayout()->setPaintDevice(&writer); // points laid out at the PDF's resolution
        document.setHtml(html);
        const QRectF paint = writer.pageLayout().paintRectPixels(kResolution);
        const qreal footer = kFooterPt * 2.5 * kResolution / 72;
        // The layout breaks pages between lines and table rows, so no row is cut in two.
        document.setPageSize(QSizeF(paint.width(), paint.height() - footer));
        const int pages = document.pageCount();
        QPainter painter(&writer);
        QFont small = document.defaultFont();
        small.setPointSizeF(kFooterPt);
        for (int page = 0; page < pages; ++page) {
            if (page > 0) writer.newPage();
            const QRectF area(0, page * document.pageSize().height(), paint.width(),
                              document.pageSize().height());
            painter.save();
            painter.translate(0, -area.top());
            document.drawContents(&painter, area);
            painter.restore();
            painter.setFont(small);
            painter.drawText(
                QRectF(0, paint.height() - footer, paint.width(), footer), Qt::AlignRight | Qt::AlignBottom,
                //: The foot of each printed page: %1 is the page, %2 how many there are.
                QCoreApplication::translate("ModelSheet", "page %1 of %2").arg(page + 1).arg(pages));
        }
        if (!painter.end()) {
            *error = QCoreApplication::translate("FileErrors", "the PDF could not be made");
            return false;
        }
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool writeHtml(const QString &path, const QString &html, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(html.toUtf8()) < 0 || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

bool isPdfPath(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
}

bool writeSheetFile(const QString &path, const QString &html, QString *error)
{
    return isPdfPath(path) ? writePdf(path, html, error) : writeHtml(path, html, error);
}
