// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackgrid.h"

#include <QRect>
#include <QVector>

#include <bitset>

// The cells the user has selected: any set of cells of the pool, built from
// rectangles (a drag, a drag with Shift that adds to it, "Select all"). A
// plain value: the edit history keeps one on each side of a step, so undo
// gives back the selection that went with the cells.
class CellSelection
{
public:
    CellSelection() = default;
    // The cells of a rectangle of columns (x) and rows (y), cut to the pool.
    static CellSelection of(const QRect &cells);
    // The rectangle of cells that a drag from one cell to another spans,
    // whichever way it went.
    static QRect span(const QPoint &from, const QPoint &to);

    bool isEmpty() const { return m_cells.none(); }
    int count() const { return int(m_cells.count()); }
    bool contains(int index) const;
    bool contains(int column, int row) const;

    void add(const QRect &cells);
    void add(int index);
    void clear() { m_cells.reset(); }

    // The smallest rectangle of columns and rows that holds every selected
    // cell; an empty rectangle when nothing is selected.
    QRect bounds() const;
    // The selected cells' indices, column by column as the pool is laid out.
    QVector<int> cells() const;
    // Whether the selection is exactly its bounds (no holes, one rectangle).
    bool isRectangle() const;

    friend bool operator==(const CellSelection &a, const CellSelection &b) { return a.m_cells == b.m_cells; }
    friend bool operator!=(const CellSelection &a, const CellSelection &b) { return !(a == b); }

private:
    std::bitset<TrackGrid::cellCount> m_cells;
};
