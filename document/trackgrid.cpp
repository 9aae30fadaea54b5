// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/trackgrid.h"

#include "pieces/catalogue.h"

#include <algorithm>

TrackGrid::TrackGrid()
{
    clear();
}

QString TrackGrid::cellName(int index)
{
    return QStringLiteral("tp%1%2")
        .arg(columnOf(index) + 1, 2, 10, QLatin1Char('0'))
        .arg(rowOf(index) + 1, 2, 10, QLatin1Char('0'));
}

void TrackGrid::setSize(int width, int height)
{
    m_width = std::clamp(width, 1, side);
    m_height = std::clamp(height, 1, side);
}

void TrackGrid::clear()
{
    m_cells.fill(Cell{Catalogue::defaultCode(), false});
}

void TrackGrid::showBlock()
{
    for (int i = 0; i < cellCount; ++i)
        m_cells[size_t(i)].visible = inBlock(i);
}

bool TrackGrid::operator==(const TrackGrid &other) const
{
    return m_width == other.m_width && m_height == other.m_height && m_cells == other.m_cells;
}
