// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/gridtransform.h"

#include "pieces/catalogue.h"
#include "pieces/piecetable.h"

#include <QStringList>
#include <algorithm>

QSize GridTransform::sizeAfter(Turn turn, QSize size)
{
    return Turns::swapsSides(turn) ? size.transposed() : size;
}

QPoint GridTransform::cellAfter(Turn turn, QPoint cell, QSize size)
{
    const int c = cell.x(), r = cell.y(), w = size.width(), h = size.height();
    switch (turn) {
    case Turn::Clockwise:
        return QPoint(h - 1 - r, c);
    case Turn::Anticlockwise:
        return QPoint(r, w - 1 - c);
    case Turn::MirrorLeftRight:
        return QPoint(w - 1 - c, r);
    case Turn::MirrorTopBottom:
        return QPoint(c, h - 1 - r);
    }
    return cell;
}

GridTransform::TurnedBlock GridTransform::turnBlock(const TrackBlock &block, Turn turn)
{
    const QSize after = sizeAfter(turn, block.size());
    TurnedBlock result{TrackBlock(after.width(), after.height(), QByteArray()), {}};
    for (int r = 0; r < block.height(); ++r) {
        for (int c = 0; c < block.width(); ++c) {
            const QByteArray &code = block.code(c, r);
            const QByteArray counterpart = PieceTable::counterpart(code, turn);
            const QPoint to = cellAfter(turn, QPoint(c, r), block.size());
            result.block.setCode(to.x(), to.y(), counterpart.isEmpty() ? code : counterpart);
            if (counterpart.isEmpty())
                result.unmatched.append(to);
        }
    }
    // Row by row in the turned block, however the turn visited them.
    std::sort(result.unmatched.begin(), result.unmatched.end(), [](QPoint a, QPoint b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    return result;
}

GridTransform::TurnedGrid GridTransform::turnTrack(const TrackGrid &grid, Turn turn)
{
    const TurnedBlock turned = turnBlock(TrackBlock::whole(grid), turn);
    TurnedGrid result{grid, QRect(QPoint(0, 0), turned.block.size()), {}, 0};
    result.grid.clear();
    result.grid.setSize(turned.block.width(), turned.block.height());
    turned.block.pasteInto(result.grid, 0, 0);
    result.grid.showBlock();
    for (const QPoint &cell : turned.unmatched)
        result.unmatched.append(TrackGrid::index(cell.x(), cell.y()));
    std::sort(result.unmatched.begin(), result.unmatched.end());
    return result;
}

GridTransform::TurnedGrid GridTransform::turnRegion(const TrackGrid &grid, const QRect &cells, Turn turn)
{
    const QRect inside = cells.intersected(grid.block());
    TurnedGrid result{grid, QRect(), {}, 0};
    if (inside.isEmpty())
        return result;
    const TurnedBlock turned = turnBlock(TrackBlock::copy(grid, inside), turn);
    TrackBlock(inside.width(), inside.height(), Catalogue::defaultCode()).pasteInto(result.grid, inside.left(), inside.top());
    turned.block.pasteInto(result.grid, inside.left(), inside.top());
    const QRect landed(inside.topLeft(), turned.block.size());
    result.cells = landed.intersected(grid.block());
    result.cutOff = turned.block.width() * turned.block.height() - result.cells.width() * result.cells.height();
    for (const QPoint &cell : turned.unmatched) {
        const QPoint at = cell + inside.topLeft();
        if (result.cells.contains(at))
            result.unmatched.append(TrackGrid::index(at.x(), at.y()));
    }
    std::sort(result.unmatched.begin(), result.unmatched.end());
    return result;
}

QVector<QByteArray> GridTransform::codesOf(const TrackBlock &block, const QVector<QPoint> &cells)
{
    QVector<QByteArray> codes;
    for (const QPoint &cell : cells)
        if (!codes.contains(block.code(cell.x(), cell.y())))
            codes.append(block.code(cell.x(), cell.y()));
    return codes;
}

QVector<QByteArray> GridTransform::codesOf(const TrackGrid &grid, const QVector<int> &indices)
{
    QVector<QByteArray> codes;
    for (int index : indices)
        if (!codes.contains(grid.cell(index).code))
            codes.append(grid.cell(index).code);
    return codes;
}

QString GridTransform::unmatchedText(int count, const QVector<QByteArray> &codes, Turn turn)
{
    if (count == 0)
        return QString();
    QStringList names;
    for (const QByteArray &code : codes)
        names << QString::fromLatin1(code);
    const QString how = Turns::swapsSides(turn) ? QStringLiteral("turned") : QStringLiteral("mirrored");
    const QString pieces = count == 1 ? QStringLiteral("1 piece has") : QStringLiteral("%1 pieces have").arg(count);
    return QStringLiteral("%1 no %2 counterpart: %3").arg(pieces, how, names.join(QStringLiteral(", ")));
}
