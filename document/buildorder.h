// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/circuitfinder.h"
#include "document/trackgrid.h"

#include <QVector>

#include <array>

// The order a crew lays a track's road in, as numbers 1, 2, 3 ... on its
// road cells: circuit after circuit, the circuits with a start line first,
// each circuit in its laying order (CircuitFinder::layingOrder). Cells
// without road get no number: scenery and open areas come after the road.
class BuildOrder
{
public:
    // One circuit's stretch of the numbers.
    struct Run
    {
        int circuit = 0;       // index into the circuits the order was made from
        int first = 1;         // its first number
        int count = 0;         // its cells
        int start = 0;         // the TrackGrid index of its first cell
        bool fromStartLine = false;
    };

    BuildOrder() = default;
    BuildOrder(const TrackGrid &grid, const QVector<Circuit> &circuits);

    // The road cells, by number: cells()[n - 1] holds number n.
    const QVector<int> &cells() const { return m_cells; }
    const QVector<Run> &runs() const { return m_runs; }
    // A TrackGrid index's number, or 0 for a cell without road.
    int number(int index) const { return m_numbers[size_t(index)]; }

private:
    QVector<int> m_cells;
    QVector<Run> m_runs;
    std::array<int, TrackGrid::cellCount> m_numbers{};
};
