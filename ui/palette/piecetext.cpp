// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/palette/piecetext.h"

#include "pieces/piecetable.h"

QString PieceText::describe(const QByteArray &code)
{
    // "04 — Straight, west–east"; a code outside the piece table has no name
    // and shows as it stands.
    const QString name = PieceTable::shownName(code);
    const QString text = QString::fromLatin1(code);
    return name.isEmpty() ? text : text + QStringLiteral(" \u2014 ") + name;
}
