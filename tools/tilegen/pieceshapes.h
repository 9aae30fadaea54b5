// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "polyline.h"
#include "roadpainter.h"

#include <QImage>

// Pieces that several series share, drawn in a given style: the corner, the
// straight and the junctions. Each returns one cell in its base orientation.
namespace PieceShapes {

// Corner from the west edge to the north edge (centred on the top-left corner).
Polyline cornerLine();
QImage corner(const RoadStyle &style, bool outerKerb = true);
// West to east.
Polyline straightLine();
QImage straight(const RoadStyle &style);
QImage startLine(const RoadStyle &style);
// Roads to west, east and south.
QImage teeJunction(const RoadStyle &style);
QImage crossroads(const RoadStyle &style);
// One road in from the west ending in a turning circle.
QImage roundabout(const RoadStyle &style);

// The road region of a junction of straight arms from the centre, with rounded inner corners.
QPainterPath junctionRegion(bool west, bool north, bool east, bool south);
Polyline arm(int dx, int dy);
}
