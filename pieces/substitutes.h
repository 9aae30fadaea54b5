// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QVector>

class PieceRoad;
struct Piece;

// Which piece may stand for which when a club is short of one: a piece
// with the same four edges and the same road, so every connection, circuit
// and lap stays as it was, whose picture is the other's with something left
// out. The one that stands in is always the plainest piece of its kind: a
// start line, an obstacle on the road, a kerb or a piece of scenery may be
// left out, never added, so a substitute never puts on the track what its
// designer did not (a second start line, a ramp, a tree). Neither does a
// piece ever stand for one facing another way, nor for one of another
// surface (tarmac, foam, carpet), nor for a barrier, a run-off or a bridge,
// which keep cars off something. tst_substitutes derives the relation from
// the edges, the roads and the generated artwork and holds the data in
// substitutes.cpp to it.
class Substitutes
{
public:
    // The pieces that may stand for code, the first the one to take first;
    // empty for a piece that nothing stands for and for a code outside the
    // table.
    static const QVector<QByteArray> &of(const QByteArray &code);

    // Whether a lap drives the two roads alike: the same ways between the
    // same ports with the same lengths (a way runs both ways, in any order
    // among the piece's ways), and the same road beside them.
    static bool sameRoad(const PieceRoad &a, const PieceRoad &b);
    // Whether one piece may take the other's place without changing a
    // connection, a circuit or a lap: the same edges and the same road.
    static bool interchangeable(const Piece &a, const Piece &b);
};
