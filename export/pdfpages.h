// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;

// What the printable documents (the plan, the build sheets) share: their
// pages are laid out in device units of a tenth of a millimetre, their text
// is one font face, and the same document gives the same PDF bytes.
class PdfPages
{
public:
    // One device unit is a tenth of a millimetre.
    static constexpr int resolution = 254;
    static constexpr qreal mm = 10;

    // Starts painting on a device as its page layout sets it. A printer or a
    // preview of another resolution is drawn on through a scaling; the
    // result is the factor that font sizes are divided by, so that text
    // comes out at the size asked for; 0 when the device would not start.
    static qreal begin(QPainter &painter, QPagedPaintDevice &device);

    // The documents' face at a size in the device's points.
    static QFont font(qreal points);

    // A PDF of pages of the layout, drawn by paint, which returns the number
    // of pages or 0 when it could not paint (then KwError: out of resources).
    static QByteArray render(const QString &title, const QPageLayout &layout,
                             const std::function<int(QPagedPaintDevice &)> &paint);
};
