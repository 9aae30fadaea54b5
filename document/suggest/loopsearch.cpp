// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/suggest/loopsearch.h"

#include <algorithm>
#include <cmath>

namespace {

// A move that costs this many cell sides more is kept one time in e: enough
// to leave a dead end, not enough to wander off.
constexpr double temperature = 2.0;
// Laps kept one right after the other would differ by a face.
constexpr int movesBetweenKeeps = 4;
constexpr int keepsPerLattice = 2;
// Lines of a lattice each way, at most: finer lattices make laps that wriggle.
constexpr int maxLines = 12;
// A piece beyond the supply weighs as much as this many cell sides off the target.
constexpr double pieceWeight = 2.0;

// Corners 0, straights 1, crossroads 2, as the tally counts what is short.
int groupOf(EdgeSet edges)
{
    if (edges == EdgeSets::all)
        return 2;
    return edges == EdgeSets::westEast || edges == EdgeSets::northSouth ? 1 : 0;
}

Edge towards(QPoint from, QPoint to)
{
    if (to.x() != from.x())
        return to.x() > from.x() ? Edge::East : Edge::West;
    return to.y() > from.y() ? Edge::South : Edge::North;
}

EdgeSet straightAlong(Edge edge)
{
    return EdgeSets::of(edge) | EdgeSets::of(Edges::opposite(edge));
}

// The cells of a closed run of crossing points, from points[first] round to
// the cell before it again.
QVector<QPoint> cellsAlong(const QVector<QPoint> &points, int first)
{
    QVector<QPoint> cells;
    const int n = int(points.size());
    for (int k = 0; k < n; ++k) {
        const QPoint from = points[(first + k) % n], to = points[(first + k + 1) % n];
        const QPoint step = to.x() != from.x() ? QPoint(to.x() > from.x() ? 1 : -1, 0)
                                               : QPoint(0, to.y() > from.y() ? 1 : -1);
        for (QPoint cell = from; cell != to; cell += step)
            cells.append(cell);
    }
    return cells;
}

// The points of a lobe turned to run from the crossing out along `out`.
QVector<QPoint> lobeCells(QVector<QPoint> points, QPoint crossing, Edge out)
{
    int at = int(points.indexOf(crossing));
    const int n = int(points.size());
    if (towards(crossing, points[(at + 1) % n]) != out) {
        std::reverse(points.begin(), points.end());
        at = n - 1 - at;
    }
    return cellsAlong(points, at);
}

QRandomGenerator seeded(quint64 seed)
{
    const quint32 words[2] = {quint32(seed), quint32(seed >> 32)};
    return QRandomGenerator(words);
}

} // namespace

double LoopSearch::Fit::cost() const
{
    return off + pieceWeight * excess;
}

double LoopSearch::score(double closeness, double floorUse)
{
    return 60 * closeness + 40 * floorUse;
}

LoopSearch::LoopSearch(const Settings &settings, quint64 seed)
    : m_settings(settings)
    , m_random(seeded(seed))
    , m_minSide(settings.minStraight + 2)
{
    for (EdgeSet edges = 1; edges <= EdgeSets::all; ++edges)
        m_passLength[edges] = LoopShape::driven(settings.family, edges);
    // The smallest figure of eight: two smallest laps, two of their corners
    // made one crossroads.
    const EdgeSet corner = EdgeSets::of(Edge::North) | EdgeSets::of(Edge::East);
    const double smallest = 6 * m_passLength[corner] + 2 * m_passLength[EdgeSets::all]
                            + 8 * settings.minStraight * m_passLength[EdgeSets::westEast];
    m_eightFits = settings.crossings && settings.supply.road(EdgeSets::all) > 0 && smallest <= settings.window.high;
}

int LoopSearch::randomInt(int low, int high)
{
    return high <= low ? low : low + int(m_random.bounded(quint32(high - low + 1)));
}

void LoopSearch::run(const std::atomic<bool> *cancel)
{
    auto more = [&] {
        return m_tally.moves < m_settings.moves && m_tally.found < m_settings.enough
               && !(cancel && cancel->load(std::memory_order_relaxed));
    };
    while (more()) {
        restart();
        ++m_tally.moves;
        const int faces = m_lattices[0].faceColumns() * m_lattices[0].faceRows()
                          + (m_eight ? m_lattices[1].faceColumns() * m_lattices[1].faceRows() : 0);
        const int patience = 50 + 4 * faces;
        for (int idle = 0; idle < patience && m_keptHere < keepsPerLattice && more(); ++idle) {
            ++m_tally.moves;
            const int kept = m_keptHere;
            if (step() && m_keptHere > kept)
                idle = 0;
        }
    }
}

QVector<int> LoopSearch::lines(int from, int to)
{
    const int minGap = m_settings.minStraight + 1;
    const int span = to - from;
    const int most = std::max(1, std::min(span / minGap, maxLines - 1));
    const int typical = randomInt(minGap, std::max(minGap, std::min(span, 8)));
    const int gaps = std::clamp(int(std::lround(double(span) / typical)), 1, most);
    // The spare cells go to the gaps by uneven shares: some wide, some tight.
    const int spare = span - gaps * minGap;
    QVector<double> shares(gaps);
    double total = 0;
    for (double &share : shares) {
        const double r = m_random.generateDouble();
        share = r * r + 0.05;
        total += share;
    }
    QVector<int> widths(gaps, minGap);
    int given = 0;
    for (int g = 0; g < gaps; ++g) {
        const int extra = int(spare * shares[g] / total);
        widths[g] += extra;
        given += extra;
    }
    for (; given < spare; ++given)
        ++widths[randomInt(0, gaps - 1)];
    QVector<int> result{from};
    for (int width : std::as_const(widths))
        result.append(result.last() + width);
    return result;
}

void LoopSearch::restart()
{
    const int columns = m_settings.columns, rows = m_settings.rows;
    const int eightSide = 2 * m_minSide - 1;
    m_eight = m_eightFits && columns >= eightSide && rows >= eightSide && m_random.bounded(2) == 0;
    const int minWidth = m_eight ? eightSide : m_minSide;
    const bool wholeFloor = m_random.bounded(2) == 0;
    int width = wholeFloor ? columns : randomInt(minWidth, columns);
    int height = wholeFloor ? rows : randomInt(minWidth, rows);
    // A lap round the border of a w x h box is about 2 (w + h) - 4 cells:
    // a window that ends short keeps the box small.
    const double high = m_settings.window.high;
    while (std::isfinite(high) && 2 * (width + height) - 4 > 1.2 * high + 4
           && (width > minWidth || height > minWidth)) {
        if (width >= height && width > minWidth)
            --width;
        else
            --height;
    }
    const int left = randomInt(0, columns - width), top = randomInt(0, rows - height);
    const int right = left + width - 1, bottom = top + height - 1;
    if (!m_eight) {
        m_lattices[0] = FaceLattice(lines(left, right), lines(top, bottom));
        startRegion(0, m_random.bounded(3) == 0);
    } else {
        // Near the middle, so that neither lobe starts out a sliver.
        m_crossing = QPoint(randomInt(std::max(left + m_minSide - 1, left + width / 4),
                                      std::min(right - m_minSide + 1, right - width / 4)),
                            randomInt(std::max(top + m_minSide - 1, top + height / 4),
                                      std::min(bottom - m_minSide + 1, bottom - height / 4)));
        // One lobe to the north-east of the crossing, one to the south-west.
        m_lattices[0] = FaceLattice(lines(m_crossing.x(), right), lines(top, m_crossing.y()));
        m_lattices[1] = FaceLattice(lines(left, m_crossing.x()), lines(m_crossing.y(), bottom));
        m_anchors[0] = QPoint(0, m_lattices[0].faceRows() - 1);
        m_anchors[1] = QPoint(m_lattices[1].faceColumns() - 1, 0);
        const bool whole = m_random.bounded(3) == 0;
        startRegion(0, whole);
        startRegion(1, whole);
    }
    m_keptHere = 0;
    // The first laps would be the rectangle the walk began with and its
    // neighbours: let the region change first.
    const int faces = m_lattices[0].faceColumns() * m_lattices[0].faceRows()
                      + (m_eight ? m_lattices[1].faceColumns() * m_lattices[1].faceRows() : 0);
    m_sinceKept = movesBetweenKeeps - std::min(faces / 2, 40);
    const Measure all = combined();
    const Fit found = fit(all);
    m_cost = found.cost();
    judge(all, found);
}

// A rectangle of faces, holding the face at the crossing for a lobe.
void LoopSearch::startRegion(int lattice, bool whole)
{
    FaceLattice &faces = m_lattices[size_t(lattice)];
    const int columns = faces.faceColumns(), rows = faces.faceRows();
    int left = 0, right = columns - 1, top = 0, bottom = rows - 1;
    if (!whole) {
        left = randomInt(0, columns - 1);
        right = randomInt(left, columns - 1);
        top = randomInt(0, rows - 1);
        bottom = randomInt(top, rows - 1);
        if (m_eight && lattice == 0) {
            left = 0;
            bottom = rows - 1;
        } else if (m_eight) {
            right = columns - 1;
            top = 0;
        }
    }
    for (int j = top; j <= bottom; ++j)
        for (int i = left; i <= right; ++i)
            faces.set(i, j, true);
    faces.boundary(m_boundaries[size_t(lattice)]);
    measure(lattice);
}

bool LoopSearch::step()
{
    const int lattice = m_eight ? int(m_random.bounded(2)) : 0;
    FaceLattice &faces = m_lattices[size_t(lattice)];
    const int i = randomInt(0, faces.faceColumns() - 1), j = randomInt(0, faces.faceRows() - 1);
    const bool inside = faces.has(i, j);
    if (inside ? faces.size() == 1 || (m_eight && QPoint(i, j) == m_anchors[size_t(lattice)]) : !faces.touches(i, j))
        return false;
    const QVector<QPoint> before = m_boundaries[size_t(lattice)];
    const Measure measured = m_measures[size_t(lattice)];
    faces.set(i, j, !inside);
    auto undo = [&] {
        faces.set(i, j, inside);
        m_boundaries[size_t(lattice)] = before;
        m_measures[size_t(lattice)] = measured;
        return false;
    };
    if (!faces.boundary(m_boundaries[size_t(lattice)]))
        return undo();
    measure(lattice);
    const Measure all = combined();
    const Fit found = fit(all);
    if (found.cost() > m_cost && m_random.generateDouble() >= std::exp((m_cost - found.cost()) / temperature))
        return undo();
    m_cost = found.cost();
    ++m_sinceKept;
    judge(all, found);
    return true;
}

void LoopSearch::measure(int lattice)
{
    const QVector<QPoint> &points = m_boundaries[size_t(lattice)];
    Measure &m = m_measures[size_t(lattice)];
    m = Measure();
    const int n = int(points.size());
    int left = points[0].x(), right = left, top = points[0].y(), bottom = top;
    for (int k = 0; k < n; ++k) {
        const QPoint here = points[k], next = points[(k + 1) % n];
        const Edge on = towards(here, next);
        const EdgeSet edges = EdgeSets::of(towards(here, points[(k + n - 1) % n])) | EdgeSets::of(on);
        const int length = std::abs(next.x() - here.x()) + std::abs(next.y() - here.y());
        ++m.counts[edges];
        m.counts[straightAlong(on)] += length - 1;
        m.lap.sides += m_passLength[edges] + (length - 1) * m_passLength[straightAlong(on)];
        m.cells += length;
        left = std::min(left, here.x());
        right = std::max(right, here.x());
        top = std::min(top, here.y());
        bottom = std::max(bottom, here.y());
    }
    m.box = QRect(QPoint(left, top), QPoint(right, bottom));
    measureRuns(lattice);
}

// The straight cells between one corner and the next round a lattice's lap;
// for a lobe, those beside the crossing apart.
void LoopSearch::measureRuns(int lattice)
{
    const QVector<QPoint> &points = m_boundaries[size_t(lattice)];
    Measure &m = m_measures[size_t(lattice)];
    const int n = int(points.size());
    auto at = [&](int k) { return points[((k % n) + n) % n]; };
    auto isCorner = [&](int k) { return towards(at(k), at(k - 1)) != Edges::opposite(towards(at(k), at(k + 1))); };
    auto apart = [](QPoint a, QPoint b) { return std::abs(a.x() - b.x()) + std::abs(a.y() - b.y()); };
    int first = 0;
    while (first < n && !isCorner(first))
        ++first;
    int run = 0;
    for (int k = first + 1; k <= first + n; ++k) {
        run += apart(at(k - 1), at(k));
        if (!isCorner(k))
            continue;
        ++m.lap.runs[size_t(std::min(run - 1, LapOutline::longest))];
        run = 0;
    }
    if (!m_eight)
        return;
    const int crossing = int(points.indexOf(m_crossing));
    // Straight on from the crossing to the next corner, each way.
    for (int way : {-1, 1}) {
        int cells = 0, k = crossing;
        do {
            cells += apart(at(k), at(k + way));
            k += way;
        } while (!isCorner(k));
        const bool northSouth = at(crossing + way).x() == m_crossing.x();
        (northSouth ? m.crossingNorthSouth : m.crossingWestEast) = cells - 1;
    }
}

// A figure of eight: the lobes' corners at the crossing become one
// crossroads, driven straight through twice.
LoopSearch::Measure LoopSearch::combined() const
{
    if (!m_eight)
        return m_measures[0];
    Measure m = m_measures[0];
    const Measure &other = m_measures[1];
    for (size_t edges = 0; edges < m.counts.size(); ++edges)
        m.counts[edges] += other.counts[edges];
    const EdgeSet northEast = EdgeSets::of(Edge::North) | EdgeSets::of(Edge::East);
    const EdgeSet southWest = EdgeSets::of(Edge::South) | EdgeSets::of(Edge::West);
    --m.counts[northEast];
    --m.counts[southWest];
    ++m.counts[EdgeSets::all];
    m.lap.sides += other.lap.sides - m_passLength[northEast] - m_passLength[southWest] + 2 * m_passLength[EdgeSets::all];
    m.cells += other.cells - 1;
    // The crossroads is driven straight over: the stretches beside it join.
    auto runs = [](int straights) { return size_t(std::min(straights, LapOutline::longest)); };
    for (size_t length = 0; length < m.lap.runs.size(); ++length)
        m.lap.runs[length] += other.lap.runs[length];
    for (const Measure *lobe : {&m_measures[0], &other}) {
        --m.lap.runs[runs(lobe->crossingNorthSouth)];
        --m.lap.runs[runs(lobe->crossingWestEast)];
    }
    ++m.lap.runs[runs(m_measures[0].crossingNorthSouth + 1 + other.crossingNorthSouth)];
    ++m.lap.runs[runs(m_measures[0].crossingWestEast + 1 + other.crossingWestEast)];
    m.box = m.box.united(other.box);
    return m;
}

LoopSearch::Fit LoopSearch::fit(const Measure &measure) const
{
    Fit result;
    result.off = m_settings.target ? m_settings.target->estimate(measure.lap).off : 0;
    if (!m_settings.supply.isLimited())
        return result;
    const bool turns = measure.box.height() <= m_settings.columns && measure.box.width() <= m_settings.rows;
    result.excess = -1;
    for (int symmetry = 0; symmetry < LoopShape::symmetries; ++symmetry) {
        if (symmetry % 2 == 1 && !turns)
            continue;
        const int excess = m_settings.supply.excess(measure.counts, symmetry);
        if (result.excess < 0 || excess < result.excess) {
            result.excess = excess;
            result.symmetry = symmetry;
        }
    }
    return result;
}

void LoopSearch::judge(const Measure &measure, const Fit &found)
{
    if (found.off > 0) {
        m_tally.offTarget += found.excess == 0;
        return;
    }
    if (found.excess > 0) {
        ++m_tally.shortOfPieces;
        ++m_tally.shortOf[size_t(mostShort(measure, found.symmetry))];
        return;
    }
    if (m_sinceKept >= movesBetweenKeeps)
        keep(measure, found.symmetry);
}

int LoopSearch::mostShort(const Measure &measure, int symmetry) const
{
    const PieceSupply &supply = m_settings.supply;
    std::array<int, 3> beyond{};
    for (EdgeSet edges = 1; edges <= EdgeSets::all; ++edges)
        beyond[size_t(groupOf(edges))] +=
            std::max(0, measure.counts[edges] - supply.road(LoopShape::turnedEdges(edges, symmetry)));
    return int(std::max_element(beyond.cbegin(), beyond.cend()) - beyond.cbegin());
}

void LoopSearch::keep(const Measure &measure, int symmetry)
{
    const LoopShape drawn = LoopShape::fromRoute(route());
    // The lattice's own count and the shape must agree; a lap that does not
    // is left out rather than trusted.
    if (drawn.isEmpty() || drawn.roadCells() != measure.cells)
        return;
    Candidate candidate;
    candidate.shape = drawn.turned(symmetry);
    candidate.key = drawn.canonicalKey();
    m_sinceKept = 0;
    for (const QVector<Candidate> &kind : m_kept) {
        for (const Candidate &other : kind) {
            if (other.key == candidate.key) {
                ++m_tally.repeats;
                return;
            }
        }
    }
    const double closeness = m_settings.target ? m_settings.target->estimate(measure.lap).closeness : 1;
    candidate.features = candidate.shape.features();
    candidate.lap = measure.lap.sides;
    const double floorUse = double(candidate.shape.width() * candidate.shape.height())
                            / (m_settings.columns * m_settings.rows);
    candidate.score = score(closeness, floorUse);
    ++m_tally.found;
    ++m_keptHere;
    QVector<Candidate> &kind = m_kept[size_t(candidate.features.kind())];
    const auto at = std::upper_bound(kind.begin(), kind.end(), candidate, [](const Candidate &a, const Candidate &b) {
        return a.score != b.score ? a.score > b.score : a.key < b.key;
    });
    kind.insert(at, candidate);
    if (kind.size() > m_settings.keep)
        kind.removeLast();
}

QVector<QPoint> LoopSearch::route() const
{
    QVector<QPoint> cells;
    if (!m_eight) {
        cells = cellsAlong(m_boundaries[0], 0);
    } else {
        // Out of the crossing east round the north-east lobe, back in from
        // the north and straight on south round the other, back in from the
        // west and straight on east: begun on a cell that is not the crossing.
        const QVector<QPoint> northEast = lobeCells(m_boundaries[0], m_crossing, Edge::East);
        const QVector<QPoint> southWest = lobeCells(m_boundaries[1], m_crossing, Edge::South);
        cells = northEast.mid(1);
        cells.append(m_crossing);
        cells += southWest.mid(1);
        cells.append(m_crossing);
    }
    cells.append(cells.first());
    return cells;
}

QVector<LoopSearch::Candidate> LoopSearch::candidates() const
{
    QVector<Candidate> all;
    for (const QVector<Candidate> &kind : m_kept)
        all += kind;
    return all;
}
