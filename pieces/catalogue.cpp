// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/catalogue.h"

const QVector<CataloguePage> &Catalogue::pages()
{
    static const QVector<CataloguePage> built = [] {
        QVector<CataloguePage> result;
        for (const PiecePage &page : PieceTable::pages())
            result.append(CataloguePage{page.caption, page.series, {}});
        for (const Piece &piece : PieceTable::pieces())
            result[piece.page].pieces.append(PiecePlace{piece.code, piece.slot});
        return result;
    }();
    return built;
}

QVector<QByteArray> Catalogue::codes()
{
    QVector<QByteArray> result;
    result.reserve(PieceTable::pieces().size());
    for (const Piece &piece : PieceTable::pieces())
        result.append(piece.code);
    return result;
}
