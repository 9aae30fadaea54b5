// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/pdfpages.h"

#include "base/kwerror.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {

// Qt stamps the time of writing into the information dictionary and offers
// no way to leave it out. It is blanked with spaces of the same length, so
// the offsets of the cross-reference table stay right. The dictionary is
// the file's first object, and Qt writes its title in UTF-16, so the first
// match is the date.
void dropCreationDate(QByteArray &pdf)
{
    const qsizetype start = pdf.indexOf("/CreationDate (");
    const qsizetype end = start < 0 ? -1 : pdf.indexOf(')', start);
    if (end > start)
        std::fill(pdf.begin() + start, pdf.begin() + end + 1, ' ');
}

} // namespace

qreal PdfPages::begin(QPainter &painter, QPagedPaintDevice &device)
{
    if (!painter.begin(&device))
        return 0;
    const qreal scaleX = device.logicalDpiX() / qreal(resolution);
    const qreal scaleY = device.logicalDpiY() / qreal(resolution);
    if (scaleX != 1 || scaleY != 1)
        painter.scale(scaleX, scaleY);
    return scaleY;
}

// One face throughout, in several sizes and no bold: Qt writes the fonts of
// a PDF in the order of a hash that is seeded anew in every process, so a
// second face would make the bytes differ from run to run.
QFont PdfPages::font(qreal points)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    // No ligatures: a reader who copies or searches "finish" must find it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QByteArray PdfPages::render(const QString &title, const QPageLayout &layout,
                            const std::function<int(QPagedPaintDevice &)> &paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(resolution);
        writer.setPageLayout(layout);
        writer.setTitle(title);
        // What PDF viewers show as the program that made the file; Qt leaves it empty.
        writer.setCreator(QStringLiteral("Kerbwright"));
        if (paint(writer) == 0)
            throw KwError::outOfResources();
    }
    dropCreationDate(bytes);
    return bytes;
}
