// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QVector>

// A coarse lattice laid over part of the floor: a few columns and rows of
// cells, its lines, with the rectangles between neighbouring lines, its
// faces. A region is a set of faces; when the region's boundary is one
// simple cycle, that cycle driven along the lines from cell to cell is a
// lap whose corners lie where the lines cross. Growing and shrinking the
// region a face at a time changes the lap a little at a time, and lines far
// apart or close together make long straights, hairpins and chicanes.
class FaceLattice
{
public:
    FaceLattice() = default;
    // The cells' columns and rows of the lines, each list increasing, with at
    // least two lines each.
    FaceLattice(const QVector<int> &columns, const QVector<int> &rows);

    int faceColumns() const { return int(m_columns.size()) - 1; }
    int faceRows() const { return int(m_rows.size()) - 1; }
    // The cell where the lines column i and row j cross.
    QPoint point(int i, int j) const { return QPoint(m_columns[i], m_rows[j]); }

    bool has(int i, int j) const;
    void set(int i, int j, bool inside);
    int size() const { return m_size; }
    // Whether a face outside the region shares a side with it.
    bool touches(int i, int j) const;

    // The region's boundary as one closed run of crossing points (cells),
    // each a corner of the lap or a point it runs straight through, the
    // first not repeated at the end. False, and no points, when the region
    // is empty or its boundary is not one simple cycle: two pieces, a hole,
    // or two faces that touch only at a corner.
    bool boundary(QVector<QPoint> &points) const;

private:
    bool boundaryEdge(int i, int j, int direction) const;

    QVector<int> m_columns;
    QVector<int> m_rows;
    QVector<bool> m_faces;  // row by row
    int m_size = 0;
};
