// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/selectionmove.h"

#include "pieces/catalogue.h"

#include <QVector>

SelectionMove::Result SelectionMove::moved(const TrackGrid &grid, const CellSelection &selection,
                                           QPoint offset)
{
    Result result{grid, CellSelection()};
    struct Moving
    {
        QPoint to;
        QByteArray code;
    };
    QVector<Moving> pieces;
    for (int index : selection.cells()) {
        if (!grid.inBlock(index))
            continue;
        pieces.append({QPoint(TrackGrid::columnOf(index), TrackGrid::rowOf(index)) + offset,
                       grid.cell(index).code});
        result.grid.setCode(index, Catalogue::defaultCode());
    }
    // All are lifted before any lands, so pieces moved onto each other's
    // cells do not overwrite one another.
    for (const Moving &piece : std::as_const(pieces)) {
        if (piece.to.x() < 0 || piece.to.y() < 0 || piece.to.x() >= grid.width() || piece.to.y() >= grid.height())
            continue;
        const int index = TrackGrid::index(piece.to.x(), piece.to.y());
        result.grid.setCode(index, piece.code);
        result.selection.add(index);
    }
    return result;
}
