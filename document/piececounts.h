// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QVector>

class TrackGrid;

// How many cells of a grid's width x height block hold each catalogue
// piece, as the parts list counts them, kept as one count per row of the
// piece table: counting a 30 x 30 track is 900 look-ups in a small array,
// cheap enough to do again after every edit. Codes outside the catalogue
// are not counted.
class PieceCounts
{
public:
    PieceCounts() = default;
    explicit PieceCounts(const TrackGrid &grid);

    // The count of a piece by its row in PieceTable::pieces().
    int at(int piece) const { return m_counts.isEmpty() ? 0 : m_counts[piece]; }
    // The count of a code; 0 outside the catalogue.
    int of(const QByteArray &code) const;
    void add(int piece, int count);

    // The row of a catalogue code in PieceTable::pieces(), or -1; a look-up
    // in two small tables, no hashing.
    static int pieceIndex(const QByteArray &code);

    friend bool operator==(const PieceCounts &a, const PieceCounts &b) { return a.m_counts == b.m_counts; }
    friend bool operator!=(const PieceCounts &a, const PieceCounts &b) { return !(a == b); }

private:
    QVector<int> m_counts;  // empty: all 0
};
