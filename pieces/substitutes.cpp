// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/substitutes.h"

#include "pieces/piecetable.h"

#include <QHash>

#include <cmath>
#include <iterator>

namespace {

// A piece and the piece that may stand for it.
struct Entry
{
    const char *code;
    const char *by;
};

// Each piece with the plainest piece of its kind: the same edges and road,
// and a picture that only leaves out what the piece adds to it.
const Entry entries[] = {
    // Start lines and start lights: the plain straight of the same surface
    // and direction. A club marks its start with tape where it lacks one.
    {"06", "04"}, {"08", "05"}, {"A6", "A4"}, {"A7", "A5"}, {"B6", "B4"}, {"B7", "B5"},
    {"3E", "34"}, {"3F", "35"}, {"74", "04"},
    // What lies on the road to drive over or round: humps, strips, washboards,
    // jump ramps and the foam slalom's blocks. The lap is the same length
    // without them, only easier.
    {"90", "04"}, {"91", "05"}, {"92", "04"}, {"93", "05"}, {"94", "04"}, {"95", "05"},
    {"96", "04"}, {"97", "05"}, {"98", "04"}, {"99", "05"}, {"AI", "A4"}, {"AJ", "A5"},
    // Pit lane: the plain pit straight, with the lane on the same side, for
    // the garages and for the pit start line.
    {"40", "42"}, {"41", "43"}, {"48", "42"}, {"49", "43"},
    // Open areas: a kerbed edge or corner by the plain paved one of the same
    // turn (the kerbed inner corners' codes run 68, 69, 6B, 6A); cones and a
    // finish line left off the paving.
    {"60", "50"}, {"61", "51"}, {"62", "52"}, {"63", "53"},
    {"64", "54"}, {"65", "55"}, {"66", "56"}, {"67", "57"},
    {"68", "58"}, {"69", "59"}, {"6B", "5A"}, {"6A", "5B"},
    {"5H", "5G"}, {"5I", "5G"}, {"5J", "5G"},
    // Scenery on grass that nothing drives on or is stopped by.
    {"73", "07"}, {"76", "07"}, {"77", "07"}, {"78", "07"},
};

const QHash<QByteArray, QVector<QByteArray>> &table()
{
    static const QHash<QByteArray, QVector<QByteArray>> byCode = [] {
        QHash<QByteArray, QVector<QByteArray>> result;
        for (const Entry &entry : entries)
            result[entry.code].append(entry.by);
        return result;
    }();
    return byCode;
}

// Lengths in the table are written out to seven places.
bool sameLength(double a, double b)
{
    return std::abs(a - b) < 1e-9;
}

bool sameWay(const RoadWay &a, const RoadWay &b)
{
    const bool samePorts = (a.from == b.from && a.to == b.to) || (a.from == b.to && a.to == b.from);
    return samePorts && sameLength(a.length, b.length);
}

} // namespace

const QVector<QByteArray> &Substitutes::of(const QByteArray &code)
{
    static const QVector<QByteArray> none;
    const auto it = table().constFind(code);
    return it == table().constEnd() ? none : *it;
}

bool Substitutes::sameRoad(const PieceRoad &a, const PieceRoad &b)
{
    if (a.ways().size() != b.ways().size() || !sameLength(a.rest(), b.rest()))
        return false;
    // Each way of a matches its own way of b.
    QVector<bool> taken(b.ways().size());
    for (const RoadWay &way : a.ways()) {
        bool found = false;
        for (int i = 0; i < b.ways().size() && !found; ++i) {
            if (!taken[i] && sameWay(way, b.ways()[i]))
                taken[i] = found = true;
        }
        if (!found)
            return false;
    }
    return true;
}

bool Substitutes::interchangeable(const Piece &a, const Piece &b)
{
    return a.edges == b.edges && sameRoad(a.road, b.road);
}
