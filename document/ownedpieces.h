// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/inventory.h"
#include "document/trackgrid.h"

#include <QByteArray>
#include <QString>
#include <QVector>

class TrackDocument;

// "Use owned pieces": every cell whose piece the club has too few of takes
// a piece that may stand for it (Substitutes) and that the club has to
// spare, as long as both last. A substitute has the same edges and road, so
// every connection, circuit and lap stays exactly as it was. Pieces are
// taken in palette order; of the cells holding a piece, the last ones in
// reading order (row by row, from the top left) change first, so a start
// line kept is the first one. Only the width x height block counts.
class OwnedPieces
{
public:
    struct Change
    {
        int cell = 0;  // TrackGrid index
        QByteArray from;
        QByteArray to;
    };

    // How many cells went from one piece to another.
    struct Swap
    {
        QByteArray from;
        QByteArray to;
        int count = 0;
    };

    struct Result
    {
        TrackGrid grid;
        QVector<Change> changes;  // ascending by cell
        // What the track still needs more of than is owned, in palette order.
        QVector<Inventory::Shortage> stillShort;

        // The changes by pair of pieces, in palette order of the piece replaced.
        QVector<Swap> swaps() const;
        // "Changed 6 pieces; 2 pieces still short", "Changed 1 piece; all
        // pieces owned", "No owned piece can stand in; 3 pieces short",
        // "All pieces owned".
        QString text() const;
    };

    // The step's name in the history.
    static QString stepName() { return QStringLiteral("Use owned pieces"); }

    // The grid with owned pieces used; changes nothing where nothing can.
    static Result fit(const TrackGrid &grid, const Inventory &inventory);
    // The same on the document, as one step of its history; no step when
    // nothing changes (TrackEdits::useOwnedPieces).
    static Result apply(TrackDocument &document, const Inventory &inventory);
};
