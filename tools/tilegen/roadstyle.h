// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The look of one family of pieces: the ground, the road surface and what is
// painted on it. Grain is the strength of the per-pixel texture in percent of
// the colour, so flat areas read as grass, tarmac or carpet rather than paint.
struct RoadStyle
{
    QColor ground;
    int groundGrain = 0;
    QColor surface;
    int surfaceGrain = 0;

    // Edge lines run along the inside of every road boundary, from lineFrom to
    // lineTo pixels in from the edge; lineTo 0 means none.
    QColor line = QColor(236, 236, 232);
    qreal lineFrom = 0;
    qreal lineTo = 0;

    // Dashed centre line; centreWidth 0 means none.
    QColor centre = QColor(240, 240, 236);
    qreal centreWidth = 0;
    qreal dash = 4;

    QColor kerbRed = QColor(206, 34, 38);
    QColor kerbWhite = QColor(244, 244, 240);

    // Grass and tarmac: the ordinary circuit.
    static RoadStyle circuit();
    // Light foam road on dark foam, dashed centre line.
    static RoadStyle foamMat();
    // Dark carpet road with white borders on blue carpet.
    static RoadStyle carpet();
};

namespace Colours {
const QColor grass(84, 146, 62);
const QColor asphalt(86, 88, 94);
const QColor paddock(104, 106, 112);
const QColor gravel(212, 188, 138);
const QColor concrete(196, 196, 188);
const QColor ink(24, 24, 26);
const QColor paint(240, 240, 236);
const QColor yellow(238, 196, 40);
const QColor tyre(30, 30, 32);
const QColor leaf(38, 104, 44);
const QColor water(52, 112, 178);
}
