// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// The four edges of a cell, in the order in which open road ends are listed.
enum class Edge { North, East, South, West };

namespace Edges {

constexpr std::array<Edge, 4> all = {Edge::North, Edge::East, Edge::South, Edge::West};

// The neighbour's edge that faces this one.
constexpr Edge opposite(Edge edge)
{
    return Edge((int(edge) + 2) % 4);
}

// The word that names an edge to users: "north", "east", "south", "west".
inline QString name(Edge edge)
{
    static const char *const names[] = {"north", "east", "south", "west"};
    return QString::fromLatin1(names[int(edge)]);
}

} // namespace Edges
