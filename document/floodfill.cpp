// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/floodfill.h"

#include <array>

QVector<int> FloodFill::fill(TrackGrid &grid, int index, const QByteArray &code)
{
    QVector<int> changed;
    if (index < 0 || index >= TrackGrid::cellCount || !grid.inBlock(index))
        return changed;
    const QByteArray from = grid.cell(index).code;
    if (from == code)
        return changed;
    // Breadth first over the changed list itself: a cell is changed when it
    // is queued, so none is queued twice.
    changed.reserve(grid.width() * grid.height());
    grid.setCode(index, code);
    changed.append(index);
    for (int next = 0; next < changed.size(); ++next) {
        const int c = TrackGrid::columnOf(changed[next]), r = TrackGrid::rowOf(changed[next]);
        const std::array<std::array<int, 2>, 4> around = {{{c, r - 1}, {c + 1, r}, {c, r + 1}, {c - 1, r}}};
        for (const auto &[nc, nr] : around) {
            if (nc < 0 || nr < 0 || nc >= grid.width() || nr >= grid.height())
                continue;
            const int n = TrackGrid::index(nc, nr);
            if (grid.cell(n).code != from)
                continue;
            grid.setCode(n, code);
            changed.append(n);
        }
    }
    return changed;
}
