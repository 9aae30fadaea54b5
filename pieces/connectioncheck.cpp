// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/connectioncheck.h"

#include "pieces/pieceedges.h"

#include <QCoreApplication>

namespace {

// The pieces of the block, looked up once; nullptr for a code without a profile.
class PieceGrid
{
public:
    PieceGrid(int width, int height, const ConnectionCheck::CodeAt &codeAt)
        : m_width(width)
        , m_height(height)
    {
        m_pieces.reserve(width * height);
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < width; ++column)
                m_pieces.append(PieceEdges::find(codeAt(column, row)));
    }

    bool inside(int column, int row) const
    {
        return column >= 0 && row >= 0 && column < m_width && row < m_height;
    }
    const PieceEdges *at(int column, int row) const { return m_pieces[row * m_width + column]; }

private:
    int m_width;
    int m_height;
    QVector<const PieceEdges *> m_pieces;
};

int columnStep(Edge edge)
{
    return edge == Edge::East ? 1 : edge == Edge::West ? -1 : 0;
}

int rowStep(Edge edge)
{
    return edge == Edge::South ? 1 : edge == Edge::North ? -1 : 0;
}

bool isOpen(const PieceGrid &grid, int column, int row, Edge edge)
{
    const EdgeProfile &profile = (*grid.at(column, row))[edge];
    if (profile.isEmpty())
        return false;
    const int nextColumn = column + columnStep(edge);
    const int nextRow = row + rowStep(edge);
    if (!grid.inside(nextColumn, nextRow))
        return true;
    const PieceEdges *next = grid.at(nextColumn, nextRow);
    return next && (*next)[Edges::opposite(edge)] != profile;
}

} // namespace

QVector<OpenEnd> ConnectionCheck::openEnds(int width, int height, const CodeAt &codeAt)
{
    QVector<OpenEnd> ends;
    if (width < 1 || height < 1)
        return ends;
    const PieceGrid grid(width, height, codeAt);
    // Walking columns outermost lists the ends in their sorted order.
    for (int column = 0; column < width; ++column)
        for (int row = 0; row < height; ++row)
            if (grid.at(column, row))
                for (Edge edge : Edges::all)
                    if (isOpen(grid, column, row, edge))
                        ends.append({column, row, edge});
    return ends;
}

namespace {

const char *countForm(int count)
{
    if (count == 0)
        return QT_TRANSLATE_NOOP("ConnectionCheck", "no open road ends");
    if (count == 1)
        return QT_TRANSLATE_NOOP("ConnectionCheck", "1 open road end");
    return QT_TRANSLATE_NOOP("ConnectionCheck", "%1 open road ends");
}

QString withCount(const QString &form, int count)
{
    return count > 1 ? form.arg(count) : form;
}

} // namespace

QString ConnectionCheck::countText(int count)
{
    return withCount(QCoreApplication::translate("ConnectionCheck", countForm(count)), count);
}

QString ConnectionCheck::plainCountText(int count)
{
    return withCount(QString::fromLatin1(countForm(count)), count);
}
