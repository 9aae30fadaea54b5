#include "document/circuitfinder.h"

#include "document/trackgrid.h"
#include "pieces/connectioncheck.h"
#include "pieces/piecetable.h"

#include <algorithm>
#include <array>

namespace {

bool hasRoad(const EdgeProfile &profile)
{
    for (const EdgeSpan &span : profile.spans())
        if (span.kind == EdgeSpan::Road)
            return true;
    return false;
}

bool carriesRoad(const Piece *piece)
{
    if (!piece)
        return false;
    for (Edge edge : Edges::all)
        if (hasRoad(piece->edges[edge]))
            return true;
    return false;
}

// The pieces of the block, looked up once, and which circuit each cell is in.
class RoadGrid
{
public:
    explicit RoadGrid(const TrackGrid &grid)
        : m_width(grid.width()), m_height(grid.height())
    {
        for (int column = 0; column < m_width; ++column)
            for (int row = 0; row < m_height; ++row)
                m_pieces[size_t(TrackGrid::index(column, row))] = PieceTable::find(grid.cell(column, row).code);
        m_circuit.fill(-1);
    }

    bool inside(int column, int row) const
    {
        return column >= 0 && row >= 0 && column < m_width && row < m_height;
    }
    const Piece *piece(int index) const { return m_pieces[size_t(index)]; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int &circuitOf(int index) { return m_circuit[size_t(index)]; }
    int circuitOf(int index) const { return m_circuit[size_t(index)]; }

    // The neighbour across an edge when the two meet there with road, or -1.
    int joined(int index, Edge edge) const
    {
        const int column = TrackGrid::columnOf(index) + (edge == Edge::East) - (edge == Edge::West);
        const int row = TrackGrid::rowOf(index) + (edge == Edge::South) - (edge == Edge::North);
        if (!inside(column, row))
            return -1;
        const int next = TrackGrid::index(column, row);
        const EdgeProfile &profile = piece(index)->edges[edge];
        const Piece *other = piece(next);
        if (!other || !hasRoad(profile) || other->edges[Edges::opposite(edge)] != profile)
            return -1;
        return next;
    }

private:
    int m_width;
    int m_height;
    std::array<const Piece *, TrackGrid::cellCount> m_pieces{};
    std::array<int, TrackGrid::cellCount> m_circuit{};
};

// Every cell reached from `first` through road edges joins circuit `id`.
QVector<int> collect(RoadGrid &grid, int first, int id)
{
    QVector<int> cells{first};
    grid.circuitOf(first) = id;
    for (int k = 0; k < cells.size(); ++k) {
        for (Edge edge : Edges::all) {
            const int next = grid.joined(cells[k], edge);
            if (next >= 0 && grid.circuitOf(next) < 0) {
                grid.circuitOf(next) = id;
                cells.append(next);
            }
        }
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

std::optional<Edge> edgeOf(Port port)
{
    switch (port) {
    case Port::North: return Edge::North;
    case Port::East: return Edge::East;
    case Port::South: return Edge::South;
    case Port::West: return Edge::West;
    default: return std::nullopt;
    }
}

// Where a drive leaving `index` through `port` goes on: the neighbour's cell
// and its way in, or -1 when the road does not go on there within the circuit.
struct Step
{
    int cell = -1;
    const RoadWay *way = nullptr;
};

Step stepOn(const RoadGrid &grid, int index, Port port)
{
    const int column = TrackGrid::columnOf(index) + Ports::columnStep(port);
    const int row = TrackGrid::rowOf(index) + Ports::rowStep(port);
    if (!grid.inside(column, row))
        return {};
    const int next = TrackGrid::index(column, row);
    if (grid.circuitOf(next) != grid.circuitOf(index))
        return {};
    // Across an edge the two pieces must meet; through a corner the pieces
    // beside it carry the band and have joined the circuit already.
    if (const std::optional<Edge> edge = edgeOf(port); edge && grid.joined(index, *edge) != next)
        return {};
    const RoadWay *way = grid.piece(next)->road.wayThrough(Ports::opposite(port));
    return way ? Step{next, way} : Step{};
}

Port otherEnd(const RoadWay &way, Port in)
{
    return way.from == in ? way.to : way.from;
}

// Drives from the circuit's first way and sums the lap, or gives none.
std::optional<double> lapOf(const RoadGrid &grid, const QVector<int> &cells)
{
    int ways = 0;
    int start = -1;
    for (int cell : cells) {
        ways += int(grid.piece(cell)->road.ways().size());
        if (start < 0 && !grid.piece(cell)->road.ways().isEmpty())
            start = cell;
    }
    if (start < 0)
        return std::nullopt;
    const RoadWay *startWay = &grid.piece(start)->road.ways().first();
    // Which ways of each cell the drive has passed, a bit a way.
    std::array<quint8, TrackGrid::cellCount> passed{};
    int passedWays = 0;
    double length = 0;
    int cell = start;
    const RoadWay *way = startWay;
    Port out = way->to;
    // A lap passes each way once; a drive that has not come back after that
    // many steps never will.
    for (int steps = 0; steps <= ways; ++steps) {
        length += way->length;
        const quint8 bit = quint8(1u << (way - grid.piece(cell)->road.ways().constData()));
        if (!(passed[size_t(cell)] & bit)) {
            passed[size_t(cell)] |= bit;
            ++passedWays;
        }
        const Step next = stepOn(grid, cell, out);
        if (!next.way)
            return std::nullopt;
        const Port in = Ports::opposite(out);
        cell = next.cell;
        way = next.way;
        out = otherEnd(*way, in);
        if (cell == start && way == startWay && out == startWay->to)
            return passedWays == ways ? std::optional<double>(length) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

QVector<Circuit> CircuitFinder::find(const TrackGrid &grid)
{
    RoadGrid roads(grid);
    QVector<Circuit> circuits;
    // Column by column, as the grid stores its cells: circuits come in the
    // order of their first cells.
    for (int column = 0; column < roads.width(); ++column) {
        for (int row = 0; row < roads.height(); ++row) {
            const int index = TrackGrid::index(column, row);
            if (roads.circuitOf(index) >= 0 || !carriesRoad(roads.piece(index)))
                continue;
            Circuit circuit;
            circuit.cells = collect(roads, index, int(circuits.size()));
            for (int cell : std::as_const(circuit.cells))
                circuit.road += roads.piece(cell)->road.length();
            circuits.append(circuit);
        }
    }
    const QVector<OpenEnd> ends = ConnectionCheck::openEnds(
        grid.width(), grid.height(), [&grid](int column, int row) { return grid.cell(column, row).code; });
    QVector<bool> open(circuits.size(), false);
    for (const OpenEnd &end : ends)
        if (const int id = roads.circuitOf(TrackGrid::index(end.column, end.row)); id >= 0)
            open[id] = true;
    for (int id = 0; id < circuits.size(); ++id) {
        circuits[id].closed = !open[id];
        circuits[id].lap = lapOf(roads, circuits[id].cells);
    }
    return circuits;
}
