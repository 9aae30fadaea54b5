// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/circuitfinder.h"
#include "pieces/connectioncheck.h"

#include <QByteArray>
#include <QString>
#include <QVector>

class TrackGrid;

// A cell of the block whose code is outside the catalogue. Columns and rows
// count from 0.
struct UnknownPiece
{
    int column = 0;
    int row = 0;
    QByteArray code;
};

// What a club wants to know of a track before the race: the floor it needs,
// its open road ends, its circuits with their road and lap lengths, and the
// cells whose codes no piece has. Lengths are in cell sides; a cell side is
// defaultCellSize metres unless the user says otherwise.
class TrackFacts
{
public:
    static constexpr double defaultCellSize = 0.5;

    explicit TrackFacts(const TrackGrid &grid);

    int width() const { return m_width; }
    int height() const { return m_height; }
    const QVector<OpenEnd> &openEnds() const { return m_openEnds; }
    const QVector<Circuit> &circuits() const { return m_circuits; }
    const QVector<UnknownPiece> &unknown() const { return m_unknown; }
    // The centre lines of every circuit together.
    double road() const;

    // What "Check connections" says of a track with `openEnds` of them:
    // "3 open road ends", "No road on the track", "No open road ends:
    // 2 circuits", "No open road ends: 1 circuit, lap 14.3 m".
    QString checkText(int openEnds, double cellSize) const;
    // "15 × 7 cells, 7.5 × 3.5 m"
    QString sizeText(double cellSize) const;
    // "1 circuit, closed, 12 pieces, lap 5.6 m, road 5.6 m": a circuit's line
    // in the parts list window.
    static QString circuitText(const Circuit &circuit, double cellSize);

    // "14.3 m": one decimal, as a tape measure is read.
    static QString metres(double sides, double cellSize);

private:
    int m_width;
    int m_height;
    QVector<OpenEnd> m_openEnds;
    QVector<Circuit> m_circuits;
    QVector<UnknownPiece> m_unknown;
};
