// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/buildorder.h"

#include <algorithm>
#include <numeric>

namespace {

bool hasStartLine(const TrackGrid &grid, const Circuit &circuit)
{
    return std::any_of(circuit.cells.cbegin(), circuit.cells.cend(), [&grid](int cell) {
        return CircuitFinder::isStartLine(grid.cell(cell).code);
    });
}

} // namespace

BuildOrder::BuildOrder(const TrackGrid &grid, const QVector<Circuit> &circuits)
{
    // The race's circuit is the one with the start line: it goes first.
    QVector<int> order(circuits.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_partition(order.begin(), order.end(),
                          [&](int id) { return hasStartLine(grid, circuits[id]); });
    for (int id : std::as_const(order)) {
        const QVector<int> cells = CircuitFinder::layingOrder(grid, circuits[id]);
        const int start = cells.isEmpty() ? 0 : cells.first();
        m_runs.append({id, int(m_cells.size()) + 1, int(cells.size()), start,
                       CircuitFinder::isStartLine(grid.cell(start).code)});
        for (int cell : cells) {
            m_cells.append(cell);
            m_numbers[size_t(cell)] = int(m_cells.size());
        }
    }
}
