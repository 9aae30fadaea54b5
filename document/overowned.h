// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

class Inventory;
class TrackGrid;

// What one change of the track took over what the club owns: every piece
// of which the track now uses more than before and more than are owned,
// and the cells the change put those pieces on (a placement, a fill, a
// paste, a route, a turn, and a grid grown over pieces that it kept
// hidden). The change still stands: the user decides; this is the warning.
// Only the width x height block counts, as in the parts list; codes outside
// the catalogue are no pieces a club owns and never go over.
class OverOwned
{
public:
    struct Piece
    {
        QByteArray code;
        int owned = 0;
        int used = 0;  // after the change

        friend bool operator==(const Piece &a, const Piece &b)
        {
            return a.code == b.code && a.owned == b.owned && a.used == b.used;
        }
    };

    OverOwned() = default;
    OverOwned(const TrackGrid &before, const TrackGrid &after, const Inventory &inventory);

    bool isEmpty() const { return m_pieces.isEmpty(); }
    // In palette order.
    const QVector<Piece> &pieces() const { return m_pieces; }
    // TrackGrid indices, ascending.
    const QVector<int> &cells() const { return m_cells; }

    // The status bar's one line for the change: "Only 12 of Straight,
    // west–east owned: the track now uses 13", "No Tree owned: the track now
    // uses 1", and ", and 2 other pieces are over too" when more went over.
    // Empty when nothing did.
    QString text() const;

    friend bool operator==(const OverOwned &a, const OverOwned &b)
    {
        return a.m_pieces == b.m_pieces && a.m_cells == b.m_cells;
    }

private:
    QVector<Piece> m_pieces;
    QVector<int> m_cells;
};
