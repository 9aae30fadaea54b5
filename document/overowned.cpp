// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/overowned.h"

#include "document/inventory.h"
#include "document/piececounts.h"
#include "document/trackgrid.h"
#include "pieces/piecetable.h"

#include <QCoreApplication>


OverOwned::OverOwned(const TrackGrid &before, const TrackGrid &after, const Inventory &inventory)
{
    const PieceCounts was(before), now(after);
    const QVector<::Piece> &pieces = PieceTable::pieces();
    QVector<bool> over(pieces.size());
    for (int k = 0; k < pieces.size(); ++k) {
        const int used = now.at(k);
        if (used > was.at(k) && inventory.missing(pieces[k].code, used) > 0) {
            m_pieces.append({pieces[k].code, inventory.owned(pieces[k].code), used});
            over[k] = true;
        }
    }
    if (m_pieces.isEmpty())
        return;
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        const QByteArray &code = after.cell(i).code;
        const bool placed = !before.inBlock(i) || before.cell(i).code != code;
        const int piece = PieceCounts::pieceIndex(code);
        if (after.inBlock(i) && placed && piece >= 0 && over[piece])
            m_cells.append(i);
    }
}

QString OverOwned::text() const
{
    if (m_pieces.isEmpty())
        return QString();
    const Piece &first = m_pieces.first();
    const QString name = PieceTable::shownName(first.code);
    QString text = first.owned == 0 ? QCoreApplication::translate("OverOwned", "No %1 owned").arg(name)
                                    : QCoreApplication::translate("OverOwned", "Only %1 of %2 owned").arg(first.owned).arg(name);
    text += QCoreApplication::translate("OverOwned", ": the track now uses %1").arg(first.used);
    const int others = int(m_pieces.size()) - 1;
    if (others == 1)
        text += QCoreApplication::translate("OverOwned", ", and 1 other piece is over too");
    else if (others > 1)
        text += QCoreApplication::translate("OverOwned", ", and %n other pieces are over too", nullptr, others);
    return text;
}
