// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/ownedpieces.h"

#include "document/partslist.h"
#include "document/piececounts.h"
#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "pieces/piecetable.h"
#include "pieces/substitutes.h"

#include <algorithm>

#include <QCoreApplication>

namespace {

// The block's cells holding each piece, by row of the piece table, the last
// in reading order first.
QVector<QVector<int>> cellsFromTheEnd(const TrackGrid &grid)
{
    QVector<QVector<int>> cells(PieceTable::pieces().size());
    for (int row = grid.height() - 1; row >= 0; --row)
        for (int column = grid.width() - 1; column >= 0; --column) {
            const int piece = PieceCounts::pieceIndex(grid.cell(column, row).code);
            if (piece >= 0)
                cells[piece].append(TrackGrid::index(column, row));
        }
    return cells;
}

QString pieces(int count)
{
    return count == 1 ? QCoreApplication::translate("OwnedPieces", "1 piece")
                      : QCoreApplication::translate("OwnedPieces", "%n pieces", nullptr, count);
}

} // namespace

OwnedPieces::Result OwnedPieces::fit(const TrackGrid &grid, const Inventory &inventory)
{
    Result result{grid, {}, {}};
    PieceCounts used(grid);
    const QVector<QVector<int>> cells = cellsFromTheEnd(grid);
    const QVector<Piece> &table = PieceTable::pieces();
    for (int k = 0; k < table.size(); ++k) {
        int missing = inventory.missing(table[k].code, used.at(k));
        int taken = 0;  // cells of the piece changed so far
        for (const QByteArray &by : Substitutes::of(table[k].code)) {
            if (missing <= 0)
                break;
            // A plain surface the inventory leaves out is there to spare.
            const int spare = inventory.limits(by) ? inventory.owned(by) - used.of(by) : missing;
            const int count = std::min(missing, spare);
            if (count <= 0)
                continue;
            for (int n = taken; n < taken + count; ++n) {
                result.grid.setCode(cells[k][n], by);
                result.changes.append({cells[k][n], table[k].code, by});
            }
            taken += count;
            used.add(k, -count);
            used.add(PieceCounts::pieceIndex(by), count);
            missing -= count;
        }
    }
    std::sort(result.changes.begin(), result.changes.end(),
              [](const Change &a, const Change &b) { return a.cell < b.cell; });
    result.stillShort = inventory.shortages(PartsList(result.grid));
    return result;
}

OwnedPieces::Result OwnedPieces::apply(TrackDocument &document, const Inventory &inventory)
{
    return document.edits().useOwnedPieces(inventory);
}

QVector<OwnedPieces::Swap> OwnedPieces::Result::swaps() const
{
    QVector<Swap> result;
    for (const Piece &piece : PieceTable::pieces())
        for (const Change &change : changes) {
            if (change.from != piece.code)
                continue;
            auto same = std::find_if(result.begin(), result.end(),
                                     [&](const Swap &s) { return s.from == change.from && s.to == change.to; });
            if (same == result.end())
                result.append({change.from, change.to, 1});
            else
                ++same->count;
        }
    return result;
}

QString OwnedPieces::Result::text() const
{
    int missing = 0;
    for (const Inventory::Shortage &shortage : stillShort)
        missing += shortage.missing();
    if (changes.isEmpty())
        return missing == 0 ? QCoreApplication::translate("OwnedPieces", "All pieces owned")
                            : QCoreApplication::translate("OwnedPieces", "No owned piece can stand in; %1 short").arg(pieces(missing));
    const QString changed = QCoreApplication::translate("OwnedPieces", "Changed %1; ").arg(pieces(int(changes.size())));
    return changed + (missing == 0 ? QCoreApplication::translate("OwnedPieces", "all pieces owned")
                                   : QCoreApplication::translate("OwnedPieces", "%1 still short").arg(pieces(missing)));
}
