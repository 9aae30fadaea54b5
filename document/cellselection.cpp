// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/cellselection.h"

#include <algorithm>

CellSelection CellSelection::of(const QRect &cells)
{
    CellSelection selection;
    selection.add(cells);
    return selection;
}

QRect CellSelection::span(const QPoint &from, const QPoint &to)
{
    return QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                 QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
}

bool CellSelection::contains(int index) const
{
    return index >= 0 && index < TrackGrid::cellCount && m_cells.test(size_t(index));
}

bool CellSelection::contains(int column, int row) const
{
    if (column < 0 || row < 0 || column >= TrackGrid::side || row >= TrackGrid::side)
        return false;
    return m_cells.test(size_t(TrackGrid::index(column, row)));
}

void CellSelection::add(const QRect &cells)
{
    const QRect pool(0, 0, TrackGrid::side, TrackGrid::side);
    const QRect cut = cells & pool;
    for (int column = cut.left(); column <= cut.right(); ++column)
        for (int row = cut.top(); row <= cut.bottom(); ++row)
            m_cells.set(size_t(TrackGrid::index(column, row)));
}

void CellSelection::add(int index)
{
    if (index >= 0 && index < TrackGrid::cellCount)
        m_cells.set(size_t(index));
}

QRect CellSelection::bounds() const
{
    QRect result;
    for (int index : cells()) {
        const QPoint cell(TrackGrid::columnOf(index), TrackGrid::rowOf(index));
        result = result.isNull() ? QRect(cell, QSize(1, 1)) : result.united(QRect(cell, QSize(1, 1)));
    }
    return result;
}

QVector<int> CellSelection::cells() const
{
    QVector<int> result;
    result.reserve(count());
    for (int i = 0; i < TrackGrid::cellCount; ++i)
        if (m_cells.test(size_t(i)))
            result.append(i);
    return result;
}

bool CellSelection::isRectangle() const
{
    const QRect box = bounds();
    return !box.isNull() && count() == box.width() * box.height();
}
