// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/suggest/loopshape.h"
#include "document/trackgrid.h"
#include "pieces/roadfamily.h"

#include <QByteArray>
#include <QPoint>
#include <QSize>

#include <optional>

// A lap shape laid as a track, as a suggestion is offered: the family's
// plain surface over the floor, the lap laid with the family's straights,
// corners and crossroads as the Route tool lays them, and the family's
// start line in the middle of the lap's longest straight (the first of the
// longest, in driving order), so that the crew knows where the race starts
// and the build order begins there. A club that owns no start line puts a
// plain straight in its place ("Use owned pieces") and marks the line with
// tape.
class LaidCircuit
{
public:
    // The floor with the shape's top-left cell on offset; none when the
    // shape does not fit or is no one drive.
    static std::optional<TrackGrid> lay(const LoopShape &shape, RoadFamily family, QSize floor, QPoint offset);

    // The family's start line across a straight's edges (west-east or
    // north-south): the first start line of the family's pages for which
    // the plain straight may stand in; empty when the family has none.
    static const QByteArray &startLine(RoadFamily family, EdgeSet straight);

    // Where the start line goes: the middle cell of the first longest
    // straight along the shape's route; none for a lap of corners only.
    static std::optional<QPoint> startCell(const LoopShape &shape);
};
