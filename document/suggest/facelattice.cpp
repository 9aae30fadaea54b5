// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/suggest/facelattice.h"

#include <algorithm>

namespace {

// Directions from a crossing point, clockwise from north as Edge has them.
constexpr int stepI[4] = {0, 1, 0, -1};
constexpr int stepJ[4] = {-1, 0, 1, 0};

} // namespace

FaceLattice::FaceLattice(const QVector<int> &columns, const QVector<int> &rows)
    : m_columns(columns), m_rows(rows), m_faces(faceColumns() * faceRows(), false)
{
}

bool FaceLattice::has(int i, int j) const
{
    return i >= 0 && j >= 0 && i < faceColumns() && j < faceRows() && m_faces[j * faceColumns() + i];
}

void FaceLattice::set(int i, int j, bool inside)
{
    bool &face = m_faces[j * faceColumns() + i];
    m_size += int(inside) - int(face);
    face = inside;
}

bool FaceLattice::touches(int i, int j) const
{
    return has(i - 1, j) || has(i + 1, j) || has(i, j - 1) || has(i, j + 1);
}

// Whether the line from point (i, j) one step in the direction separates a
// face of the region from one outside it.
bool FaceLattice::boundaryEdge(int i, int j, int direction) const
{
    const int ni = i + stepI[direction], nj = j + stepJ[direction];
    if (ni < 0 || nj < 0 || ni > faceColumns() || nj > faceRows())
        return false;
    // The two faces beside the line: for a line going east from (i, j) they
    // are (i, j - 1) and (i, j); going south, (i - 1, j) and (i, j).
    const int li = std::min(i, ni), lj = std::min(j, nj);
    if (direction % 2 == 1)
        return has(li, lj - 1) != has(li, lj);
    return has(li - 1, lj) != has(li, lj);
}

bool FaceLattice::boundary(QVector<QPoint> &points) const
{
    points.clear();
    if (m_size == 0)
        return false;
    int edges = 0, startI = -1, startJ = -1;
    for (int j = 0; j <= faceRows(); ++j) {
        for (int i = 0; i <= faceColumns(); ++i) {
            int degree = 0;
            for (int direction = 0; direction < 4; ++direction)
                degree += boundaryEdge(i, j, direction);
            if (degree == 4)
                return false;  // faces meeting only at this corner; points is still empty
            if (degree == 2 && startI < 0) {
                startI = i;
                startJ = j;
            }
            edges += degree;
        }
    }
    edges /= 2;
    int i = startI, j = startJ, came = -1;
    do {
        points.append(point(i, j));
        int next = -1;
        for (int direction = 0; direction < 4 && next < 0; ++direction)
            if (direction != came && boundaryEdge(i, j, direction))
                next = direction;
        i += stepI[next];
        j += stepJ[next];
        came = (next + 2) % 4;
    } while ((i != startI || j != startJ) && points.size() <= edges);
    // One cycle passes every boundary line once.
    if (points.size() == edges)
        return true;
    points.clear();
    return false;
}
