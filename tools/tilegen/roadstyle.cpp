// SPDX-License-Identifier: GPL-3.0-or-later
#include "roadstyle.h"

RoadStyle RoadStyle::circuit()
{
    RoadStyle s;
    s.ground = Colours::grass;
    s.groundGrain = 7;
    s.surface = Colours::asphalt;
    s.surfaceGrain = 5;
    s.lineFrom = 1;
    s.lineTo = 2;
    return s;
}

RoadStyle RoadStyle::foamMat()
{
    RoadStyle s;
    s.ground = QColor(60, 64, 72);
    s.groundGrain = 4;
    s.surface = QColor(150, 153, 158);
    s.surfaceGrain = 3;
    s.centreWidth = 2;
    s.dash = 4;
    return s;
}

RoadStyle RoadStyle::carpet()
{
    RoadStyle s;
    s.ground = QColor(38, 90, 142);
    s.groundGrain = 9;
    s.surface = QColor(58, 58, 66);
    s.surfaceGrain = 7;
    s.lineFrom = 0;
    s.lineTo = 2;
    return s;
}
