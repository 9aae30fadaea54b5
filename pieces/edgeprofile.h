// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>

// One stretch of a cell edge that something drivable crosses.
struct EdgeSpan
{
    enum Kind : quint8 {
        Road,   // a road of the track; a pit lane is a road of its own
        Paved,  // an open paved area that reaches the edge
    };

    Kind kind = Road;
    int from = 0;  // where the stretch begins along the edge
    int to = 0;    // where it ends; from < to

    friend bool operator==(const EdgeSpan &a, const EdgeSpan &b)
    {
        return a.kind == b.kind && a.from == b.from && a.to == b.to;
    }
};

// What crosses one edge of a piece: nothing (ground, scenery, kerbs, gravel)
// or spans of road and paving. Positions are pixels of the 48-pixel cell,
// rounded to whole pixels, and always run in one direction per axis: west to
// east along north and south edges, north to south along east and west edges.
// So the two edges that face each other across a seam describe the same line
// in the same way, and two pieces meet there exactly when the profiles are equal.
class EdgeProfile
{
public:
    static constexpr int length = 48;

    EdgeProfile() = default;
    static EdgeProfile road(int from, int to);
    static EdgeProfile paved(int from, int to);

    // The spans of both, in order along the edge.
    EdgeProfile operator+(const EdgeProfile &other) const;
    // The same edge read from its other end: a span from..to becomes
    // length - to .. length - from. What an edge turns into when a mirror or
    // a quarter turn carries it onto an edge that runs the other way.
    EdgeProfile reversed() const;

    bool isEmpty() const { return m_spans.isEmpty(); }
    const QVector<EdgeSpan> &spans() const { return m_spans; }
    // "nothing", "road 14-34", "road 4-11 + road 14-34", "paved 24-48": for messages.
    QString toString() const;

    friend bool operator==(const EdgeProfile &a, const EdgeProfile &b) { return a.m_spans == b.m_spans; }
    friend bool operator!=(const EdgeProfile &a, const EdgeProfile &b) { return !(a == b); }

private:
    explicit EdgeProfile(EdgeSpan span);

    QVector<EdgeSpan> m_spans;
};
