// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

class Progress;
class TileStore;
class TrackGrid;

// Lays the track's width x height block out as one picture: 49 x width + 1 by
// 49 x height + 1 pixels on white, each cell taking its code's tile's pixels
// (1,1)..(48,48) at (49c + 1, 49r + 1), whatever is visible.
class PictureComposer
{
public:
    static QImage compose(const TrackGrid &grid, const TileStore &tiles, Progress &progress);
    // One cell of that picture, 48 x 48: how lists show a piece beside it.
    static QImage cellPicture(const QByteArray &code, const TileStore &tiles);
};
