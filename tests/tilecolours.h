// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QtGlobal>

// How the tests tell the generated artwork's surfaces apart: a textured
// colour varies by a few per cent, and antialiasing blends a painted line
// into the surface under it.
namespace TileColours {

// Within a colour's texture, and a little more for rounding.
inline bool near(QRgb p, const QColor &c, int grainPercent)
{
    auto close = [&](int value, int target) { return qAbs(value - target) <= target * grainPercent / 100 + 3; };
    return close(qRed(p), c.red()) && close(qGreen(p), c.green()) && close(qBlue(p), c.blue());
}

// A blend of a and b, as antialiasing mixes a painted line into the surface.
inline bool blendOf(QRgb p, const QColor &a, const QColor &b, int tolerance)
{
    const qreal d[] = {qreal(b.red() - a.red()), qreal(b.green() - a.green()), qreal(b.blue() - a.blue())};
    const qreal v[] = {qreal(qRed(p) - a.red()), qreal(qGreen(p) - a.green()), qreal(qBlue(p) - a.blue())};
    const qreal t = qBound<qreal>(0, (v[0] * d[0] + v[1] * d[1] + v[2] * d[2]) / (d[0] * d[0] + d[1] * d[1] + d[2] * d[2]), 1);
    return qAbs(v[0] - t * d[0]) <= tolerance && qAbs(v[1] - t * d[1]) <= tolerance && qAbs(v[2] - t * d[2]) <= tolerance;
}

} // namespace TileColours
