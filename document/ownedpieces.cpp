// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/ownedpieces.h"

#include "document/partslist.h"
#include "document/trackdocument.h"
#include "pieces/piecetable.h"
#include "pieces/substitutes.h"

#include <algorithm>

namespace {

// The block's cells holding code, the last in reading order first.
QVector<int> cellsFromTheEnd(const TrackGrid &grid, const QByteArray &code)
{
    QVector<int> cells;
    for (int row = grid.height() - 1; row >= 0; --row)
        for (int column = grid.width() - 1; column >= 0; --column)
            if (grid.cell(column, row).code == code)
                cells.append(TrackGrid::index(column, row));
    return cells;
}

QString pieces(int count)
{
    return count == 1 ? QStringLiteral("1 piece") : QStringLiteral("%1 pieces").arg(count);
}

} // namespace

OwnedPieces::Result OwnedPieces::fit(const TrackGrid &grid, const Inventory &inventory)
{
    Result result{grid, {}, {}};
    QHash<QByteArray, int> used = PartsList::counts(grid);
    for (const Piece &piece : PieceTable::pieces()) {
        int missing = used.value(piece.code) - inventory.owned(piece.code);
        for (const QByteArray &by : Substitutes::of(piece.code)) {
            const int spare = inventory.owned(by) - used.value(by);
            const int count = std::min(missing, spare);
            if (count <= 0)
                continue;
            const QVector<int> cells = cellsFromTheEnd(result.grid, piece.code);
            for (int k = 0; k < count; ++k) {
                result.grid.setCode(cells[k], by);
                result.changes.append({cells[k], piece.code, by});
            }
            used[piece.code] -= count;
            used[by] += count;
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
    const Result result = fit(document.grid(), inventory);
    if (!result.changes.isEmpty())
        document.record(stepName(), true, [&] { document.setGrid(result.grid); });
    return result;
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
        return missing == 0 ? QStringLiteral("All pieces owned")
                            : QStringLiteral("No owned piece can stand in; %1 short").arg(pieces(missing));
    const QString changed = QStringLiteral("Changed %1; ").arg(pieces(int(changes.size())));
    return changed + (missing == 0 ? QStringLiteral("all pieces owned")
                                   : QStringLiteral("%1 still short").arg(pieces(missing)));
}
