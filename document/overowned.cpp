// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/overowned.h"

#include "document/inventory.h"
#include "document/partslist.h"
#include "document/trackgrid.h"
#include "pieces/piecetable.h"

#include <QSet>

OverOwned::OverOwned(const TrackGrid &before, const TrackGrid &after, const Inventory &inventory)
{
    const QHash<QByteArray, int> was = PartsList::counts(before);
    const QHash<QByteArray, int> now = PartsList::counts(after);
    QSet<QByteArray> over;
    for (const ::Piece &piece : PieceTable::pieces()) {
        const int used = now.value(piece.code);
        if (used > was.value(piece.code) && used > inventory.owned(piece.code)) {
            m_pieces.append({piece.code, inventory.owned(piece.code), used});
            over.insert(piece.code);
        }
    }
    if (over.isEmpty())
        return;
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        const QByteArray &code = after.cell(i).code;
        const bool placed = !before.inBlock(i) || before.cell(i).code != code;
        if (after.inBlock(i) && placed && over.contains(code))
            m_cells.append(i);
    }
}

QString OverOwned::text() const
{
    if (m_pieces.isEmpty())
        return QString();
    const Piece &first = m_pieces.first();
    const QString name = PieceTable::name(first.code);
    QString text = first.owned == 0 ? QStringLiteral("No %1 owned").arg(name)
                                    : QStringLiteral("Only %1 of %2 owned").arg(first.owned).arg(name);
    text += QStringLiteral(": the track now uses %1").arg(first.used);
    const int others = int(m_pieces.size()) - 1;
    if (others == 1)
        text += QStringLiteral(", and 1 other piece is over too");
    else if (others > 1)
        text += QStringLiteral(", and %1 other pieces are over too").arg(others);
    return text;
}
