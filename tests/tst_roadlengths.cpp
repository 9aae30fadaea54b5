// SPDX-License-Identifier: GPL-3.0-or-later
// Every piece's road lengths and shapes in the piece table against its
// generated tile: the road's centre lines are measured from the pictures, so
// the lengths that laps and road totals add up, and the lines a lap time is
// driven on, are the roads users see.
//
// A band of road of constant width w covers w times the length of its centre
// line, curved or straight, as long as it is cut square to its centre line;
// so the road's pixels, divided by the width, measure its centre line. The
// width is measured on each family's straight. Where a band is cut slanted
// (a diagonal leaving through a corner spills over into the pieces beside
// that corner, a larger corner crosses the cuts inside its block), the cells
// that share the band are measured together. Where arms of road meet in a
// junction they share the square in the middle, which holds more centre line
// than its area says; rings are measured by their radii.
#include "tilecolours.h"

#include "pieces/bmpreader.h"
#include "pieces/catalogue.h"
#include "pieces/piecetable.h"
#include "tools/tilegen/roadstyle.h"
#include "tools/tilegen/tilegeometry.h"

#include <QDir>
#include <QtMath>
#include <QtTest>

#include <optional>

namespace {

using Tile::cell;

using TileColours::blendOf;
using TileColours::near;

enum Kind { Ground, Road, Lane, Other };

// One tile's cell, each pixel told apart as ground, road (the surface and
// its painted lines), pit lane or paving, or anything else. Anything else
// that lies on the road (a start line, a ridge, a ramp, a parapet) has road
// on both sides of it across or along, and counts as road; a kerb or gravel
// has ground beyond it. The same goes for what stands on a pit lane.
class Measured
{
public:
    explicit Measured(const QByteArray &code)
        : m_style(code[0] == 'A' ? RoadStyle::foamMat() : code[0] == 'B' ? RoadStyle::carpet() : RoadStyle::circuit()),
          m_paving(code[0] == '4' || code[0] == '5')
    {
        const QImage tile = BmpReader::readFile(QDir(QStringLiteral(KW_TILES_DIR)).filePath(QString::fromLatin1(code) + ".bmp"));
        m_ok = tile.width() == Tile::fileSize && tile.height() == Tile::fileSize;
        for (int y = 0; y < cell && m_ok; ++y)
            for (int x = 0; x < cell; ++x) {
                m_kind[y][x] = kindOf(tile.pixel(x + 1, y + 1));
                m_kerb[y][x] = isKerb(tile.pixel(x + 1, y + 1));
            }
        keepReachable();
        for (int y = 0; y < cell && m_ok; ++y)
            for (int x = 0; x < cell; ++x)
                m_counted[y][x] = m_kind[y][x] == Other ? enclosedBy(x, y) : m_kind[y][x];
    }

    bool ok() const { return m_ok; }
    void dump() const
    {
        for (int y = 0; y < cell; ++y) {
            QByteArray line;
            for (int x = 0; x < cell; ++x)
                line += " RLo"[m_counted[y][x]];
            qDebug().noquote() << line;
        }
    }
    Kind at(int x, int y) const { return m_counted[y][x]; }
    // Kerbs count as road where road lies beyond them both ways (a
    // roundabout's island seen along its edge), but a car keeps off them.
    bool kerb(int x, int y) const { return m_kerb[y][x]; }
    // Pixels of a kind, in the cell or in part of it.
    int area(Kind kind, const QRect &part = QRect(0, 0, cell, cell)) const
    {
        int n = 0;
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int x = part.left(); x <= part.right(); ++x)
                n += m_counted[y][x] == kind;
        return n;
    }

private:
    // Kerbs are plain red and white, with no texture, and so is the line
    // between them; a white a shade whiter than any painted line.
    bool isKerb(QRgb p) const
    {
        const auto plain = [p](const QColor &c) { return qAbs(qRed(p) - c.red()) <= 2 && qAbs(qGreen(p) - c.green()) <= 2 && qAbs(qBlue(p) - c.blue()) <= 2; };
        return plain(m_style.kerbWhite) || blendOf(p, m_style.kerbRed, m_style.kerbWhite, 3);
    }

    Kind kindOf(QRgb p) const
    {
        // The pit wall is plain concrete with a painted top.
        if (isKerb(p) || (m_paving && blendOf(p, Colours::concrete, Colours::paint, 3)))
            return Other;
        // The pit lane's paving lies on the line from tarmac to white, as a
        // faint edge line does: only pieces with paving have it.
        if (m_paving && near(p, Colours::paddock, 5))
            return Lane;
        if (near(p, m_style.surface, m_style.surfaceGrain) || blendOf(p, m_style.surface, m_style.line, 3)
            || blendOf(p, m_style.surface, m_style.centre, 3))
            return Road;
        // A roundabout's island is grass whatever the ground.
        return near(p, m_style.ground, m_style.groundGrain) || near(p, Colours::grass, 7) ? Ground : Other;
    }

    // Road runs off the cell: road that does not reach an edge is something
    // grey standing on the grass (the start lights' posts), or a grain of
    // a kerb that happens to look like road.
    void keepReachable()
    {
        bool reached[cell][cell] = {};
        QVector<QPoint> todo;
        for (int k = 0; k < cell; ++k)
            for (const QPoint &p : {QPoint(k, 0), QPoint(k, cell - 1), QPoint(0, k), QPoint(cell - 1, k)})
                todo.append(p);
        while (!todo.isEmpty()) {
            const QPoint p = todo.takeLast();
            if (p.x() < 0 || p.y() < 0 || p.x() >= cell || p.y() >= cell || reached[p.y()][p.x()]
                || m_kind[p.y()][p.x()] != Road)
                continue;
            reached[p.y()][p.x()] = true;
            todo << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
        }
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x)
                if (m_kind[y][x] == Road && !reached[y][x])
                    m_kind[y][x] = Other;
    }

    Kind reached(int x, int y, int dx, int dy) const
    {
        for (x += dx, y += dy; x >= 0 && y >= 0 && x < cell && y < cell; x += dx, y += dy)
            if (m_kind[y][x] != Other)
                return m_kind[y][x];
        return Other;
    }

    Kind enclosedBy(int x, int y) const
    {
        for (const QPoint &step : {QPoint(1, 0), QPoint(0, 1)}) {
            const Kind a = reached(x, y, step.x(), step.y());
            if ((a == Road || a == Lane) && reached(x, y, -step.x(), -step.y()) == a)
                return a;
        }
        return Other;
    }

    RoadStyle m_style;
    bool m_paving;
    bool m_ok = false;
    Kind m_kind[cell][cell];
    Kind m_counted[cell][cell];
    bool m_kerb[cell][cell];
};

const Piece &piece(const QByteArray &code)
{
    return *PieceTable::find(code);
}

double ways(const QByteArray &code)
{
    double total = 0;
    for (const RoadWay &way : piece(code).road.ways())
        total += way.length;
    return total;
}

// The road's width in pixels, from the family's straight.
double widthOf(const QByteArray &code)
{
    const QByteArray straight = code[0] == 'A' ? "A4" : code[0] == 'B' ? "B4" : "04";
    return Measured(straight).area(Road) / double(cell);
}

// Along a ray from a point: the first and the last road pixel, as radii.
QPair<double, double> ringRadii(const Measured &m, QPointF hub, QPointF direction)
{
    double inner = -1, outer = -1;
    for (double r = 0; r < cell; r += 0.25) {
        const QPointF p = hub + r * direction;
        if (p.x() < 0 || p.y() < 0 || p.x() >= cell || p.y() >= cell)
            break;
        if (m.at(int(p.x()), int(p.y())) == Road) {
            if (inner < 0)
                inner = r;
            outer = r + 0.25;
        }
    }
    return {inner, outer};
}

// The pieces each measurement below takes on.
const QByteArrayList singleBandPieces{"00", "01", "02", "03", "04", "05", "06", "08", "A0", "A1", "A2", "A3", "A4",
                                      "A5", "A6", "A7", "AC", "AD", "AE", "AF", "AI", "AJ", "B0", "B1", "B2", "B3",
                                      "B4", "B5", "B6", "B7", "40", "41", "42", "43", "44", "45", "46", "47", "48",
                                      "49", "90", "91", "92", "93", "94", "95", "96", "97", "98", "99", "74"};
const QByteArrayList otherPieces{
    // junctions
    "A8", "A9", "AA", "AB", "B8", "B9", "BA", "BB", "20", "21", "22", "23", "AG", "BG", "28", "29", "2A",
    // forks
    "24", "25", "26", "27",
    // shared bands
    "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "1A", "1B", "1C", "1D", "1E", "1F", "1G", "1H",
    "1I", "1J", "1K", "1L", "30", "31", "32", "33", "34", "35", "36", "37", "38", "39", "3A", "3B", "3C", "3D",
    "3E", "3F", "3G", "3H",
    // rings and entries
    "2B", "BI", "BC", "BD", "BE", "BF", "5C", "5D", "5E", "5F"};

// The blocks whose cells share one drawing, row by row; grass fills a 3 x 3
// corner's inside.
const QVector<QByteArrayList> blocks{{"10", "11", "12", "13"}, {"14", "15", "16", "17"}, {"18", "19", "1A", "1B"},
                                    {"1C", "1D", "1E", "1F"}, {"1G", "1H", "1K", "1I", "1J", "07", "1L", "07", "07"}};

// A piece's tile with the rest of its block around it, as road or not, in
// pixels from the block's top-left corner.
class RoadPicture
{
public:
    explicit RoadPicture(const QByteArray &code)
    {
        m_codes = {code};
        for (const QByteArrayList &block : blocks)
            if (block.contains(code))
                m_codes = block;
        m_side = m_codes.size() == 4 ? 2 : m_codes.size() == 9 ? 3 : 1;
        for (const QByteArray &c : std::as_const(m_codes))
            m_tiles.append(Measured(c));
        const int at = int(m_codes.indexOf(code));
        m_origin = QPointF(at % m_side, at / m_side);
    }

    // Where the piece's cell starts, in cells from the block's corner.
    QPointF origin() const { return m_origin; }
    // How far from a point road goes on in a direction before it ends, in
    // pixels; none when it runs past the block's edge.
    std::optional<double> roadTowards(QPointF from, QPointF direction) const
    {
        for (double d = 0; ; d += 0.25) {
            const QPointF p = from + d * direction;
            const int x = int(std::floor(p.x())), y = int(std::floor(p.y()));
            if (x < 0 || y < 0 || x >= m_side * cell || y >= m_side * cell)
                return std::nullopt;
            const Measured &tile = m_tiles[(y / cell) * m_side + x / cell];
            if (tile.at(x % cell, y % cell) != Road || tile.kerb(x % cell, y % cell))
                return d;
        }
    }

private:
    QByteArrayList m_codes;
    QVector<Measured> m_tiles;
    int m_side = 1;
    QPointF m_origin;
};

bool samePose(const RoadPose &a, const RoadPose &b)
{
    return QLineF(a.point, b.point).length() < 1e-6 && std::abs(std::remainder(a.heading - b.heading, 2 * M_PI)) < 1e-6;
}

// Whether a pose lies on the port where a way enters (outwards false) or
// leaves the cell: at a port's own point facing straight through it, or, in
// a larger corner's block, anywhere on the port's edge facing across it.
bool atPort(const RoadPose &pose, Port port, bool outwards)
{
    const RoadPose entry = Ports::entry(port);
    const RoadPose facing{entry.point, outwards ? entry.heading + M_PI : entry.heading};
    if (samePose(pose, facing))
        return true;
    const QPointF normal(std::cos(facing.heading), std::sin(facing.heading));
    const QPointF ahead(std::cos(pose.heading), std::sin(pose.heading));
    const bool onEdge = port == Port::East || port == Port::West ? std::abs(pose.point.x() - entry.point.x()) < 1e-9
                        : port == Port::North || port == Port::South ? std::abs(pose.point.y() - entry.point.y()) < 1e-9
                                                                     : false;
    return onEdge && QPointF::dotProduct(normal, ahead) > 0.1;
}

// Holds a way's shape to the artwork: its ends on its ports, and at every
// pixel along it the road measured across, square to the line. On a band of
// road the line runs down the middle: the road ends as far to its left as
// to its right, within two pixels at each point and within 0.6 of a pixel
// on average over each segment. Where the road widens (a junction's fillet, a fork's branch,
// a roundabout's arm joining its ring) the nearer edge still lies as far
// away as the band's half width on that segment. Where the road runs on
// past the block on either side (an arm of a junction, a diagonal's spill)
// nothing can be told. Returns what is wrong, or nothing.
QString shapeFault(const QByteArray &code, const RoadWay &way)
{
    if (!atPort(way.shape.start(), way.from, false) || !atPort(way.shape.end(), way.to, true))
        return QStringLiteral("its ends are not on its ports");
    const RoadPicture picture(code);
    constexpr double tolerance = 2;  // pixels: both edges are read to a pixel
    struct Across
    {
        double along;
        int segment;
        double left;
        double right;
    };
    QVector<Across> measured;
    const QVector<RoadSegment> &segments = way.shape.segments();
    QVector<QVector<double>> halfWidths(segments.size());
    QVector<double> offsets(segments.size());
    int samples = 0, segment = 0;
    double segmentEnd = segments.isEmpty() ? 0 : segments[0].length;
    for (double d = 0.5 / cell; d < way.length; d += 1.0 / cell, ++samples) {
        while (d > segmentEnd && segment + 1 < segments.size())
            segmentEnd += segments[++segment].length;
        const RoadPose pose = way.shape.at(d);
        const QPointF at = (picture.origin() + pose.point) * cell;
        const QPointF left(std::sin(pose.heading), -std::cos(pose.heading));
        const std::optional<double> toLeft = picture.roadTowards(at, left);
        const std::optional<double> toRight = picture.roadTowards(at, -left);
        if (toLeft == 0.0 || toRight == 0.0)
            return QStringLiteral("%1 along, it runs off the road").arg(d, 0, 'f', 3);
        if (!toLeft || !toRight)
            continue;
        measured.append({d, segment, *toLeft, *toRight});
        if (std::abs(*toLeft - *toRight) <= tolerance) {
            halfWidths[segment].append((*toLeft + *toRight) / 2);
            offsets[segment] += (*toLeft - *toRight) / 2;
        }
    }
    for (int k = 0; k < segments.size(); ++k)
        if (const qsizetype n = halfWidths[k].size(); n > 0 && std::abs(offsets[k] / n) > 0.6)
            return QStringLiteral("segment %1 lies %2 px off the road's middle").arg(k + 1).arg(offsets[k] / n);
    int centred = 0;
    for (const Across &a : std::as_const(measured)) {
        QVector<double> widths = halfWidths[a.segment];
        std::sort(widths.begin(), widths.end());
        const double half = widths.isEmpty() ? Tile::roadHalf : widths[widths.size() / 2];
        if (std::abs(a.left - a.right) <= tolerance)
            ++centred;
        else if (std::min(a.left, a.right) < half - tolerance)
            return QStringLiteral("%1 along, the road ends %2 px to the left and %3 px to the right")
                .arg(a.along, 0, 'f', 3)
                .arg(a.left)
                .arg(a.right);
    }
    if (centred * 4 < samples)
        return QStringLiteral("only %1 of %2 points measured in the middle of a road").arg(centred).arg(samples);
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(QVector<RoadSegment>)

class TestRoadLengths : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const QByteArray &code : Catalogue::codes())
            QVERIFY2(Measured(code).ok(), code.constData());
        QVERIFY(qAbs(widthOf("04") - Tile::roadWidth) < 0.5);
    }

    // Each piece whose road is one band cut square at its edges: a
    // straight, a tight corner, a chicane, what lies on a straight; and the
    // pit pieces' main road and lane, each measured by its own width.
    void singleBands_data()
    {
        QTest::addColumn<QByteArray>("code");
        for (const QByteArray &code : singleBandPieces)
            QTest::newRow(code.constData()) << code;
    }

    void singleBands()
    {
        QFETCH(QByteArray, code);
        const Measured m(code);
        const double road = m.area(Road) / widthOf(code) / cell;
        QVERIFY2(qAbs(road - ways(code)) < 0.02 * ways(code), qPrintable(QStringLiteral("road %1 measured, %2 in the table").arg(road).arg(ways(code))));
        const double laneWidth = Measured("42").area(Lane) / double(cell);
        const double lane = m.area(Lane) / laneWidth / cell;
        QVERIFY2(qAbs(lane - piece(code).road.rest()) < 0.04, qPrintable(QStringLiteral("lane %1 measured, %2 in the table").arg(lane).arg(piece(code).road.rest())));
    }

    // Arms from the edges to the middle, k of them, share the middle square
    // of the road's width, which holds k half-widths of centre line; the
    // rounded inside corners between neighbouring arms (radius 5) add a
    // little road that is no centre line.
    void junctions_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<int>("fillets");
        for (const QByteArray code : {"A8", "A9", "AA", "AB", "B8", "B9", "BA", "BB", "20", "21", "22", "23"})
            QTest::newRow(code) << QByteArray(code) << 2;
        for (const QByteArray code : {"AG", "BG", "28"})
            QTest::newRow(code) << QByteArray(code) << 4;
        // A bridge's two roads cross without rounding.
        for (const QByteArray code : {"29", "2A"})
            QTest::newRow(code) << QByteArray(code) << 0;
    }

    void junctions()
    {
        QFETCH(QByteArray, code);
        QFETCH(int, fillets);
        const Measured m(code);
        const double w = widthOf(code);
        int arms = 0;
        for (Edge edge : Edges::all)
            arms += !piece(code).edges[edge].isEmpty();
        const double area = m.area(Road) - fillets * (1 - M_PI / 4) * 25;
        const double road = (area / w + w * (arms - 2) / 2) / cell;
        const double table = piece(code).road.length();
        QVERIFY2(qAbs(road - table) < 0.03 * table, qPrintable(QStringLiteral("%1 measured, %2 in the table").arg(road).arg(table)));
        // Every arm is a way a lap drives or a branch of half a side.
        QCOMPARE(piece(code).road.ways().size() * 2 + (piece(code).road.rest() > 0), arms);
    }

    // A fork is its straight and a tight corner from the same edge: its
    // road is theirs to the pixel, all but the seams.
    void forks_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QByteArray>("straight");
        QTest::addColumn<QByteArray>("corner");
        QTest::newRow("24") << QByteArray("24") << QByteArray("04") << QByteArray("03");
        QTest::newRow("25") << QByteArray("25") << QByteArray("05") << QByteArray("02");
        QTest::newRow("26") << QByteArray("26") << QByteArray("04") << QByteArray("00");
        QTest::newRow("27") << QByteArray("27") << QByteArray("05") << QByteArray("01");
    }

    void forks()
    {
        QFETCH(QByteArray, code);
        QFETCH(QByteArray, straight);
        QFETCH(QByteArray, corner);
        const Measured fork(code), a(straight), b(corner);
        int differ = 0, road = 0;
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x) {
                const bool inUnion = a.at(x, y) == Road || b.at(x, y) == Road;
                differ += inUnion != (fork.at(x, y) == Road);
                road += inUnion;
            }
        QVERIFY2(differ < road / 50, qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(differ).arg(road)));
        QCOMPARE(piece(code).road.length(), piece(straight).road.length() + piece(corner).road.length());
        QCOMPARE(ways(code), ways(straight));
    }

    // A larger corner's cells together, and a diagonal with the pieces
    // beside its corners: the band's pixels over all of them. A diagonal
    // spills over each corner it passes a triangle's worth into the two
    // pieces beside that corner, which is one corner piece's road.
    void sharedBands_data()
    {
        QTest::addColumn<QByteArrayList>("codes");  // a code twice counts twice
        QTest::addColumn<double>("length");
        QTest::newRow("2 x 2 east to south") << QByteArrayList{"10", "11", "12", "13"} << 3 * M_PI / 4;
        QTest::newRow("2 x 2 south to west") << QByteArrayList{"14", "15", "16", "17"} << 3 * M_PI / 4;
        QTest::newRow("2 x 2 north to east") << QByteArrayList{"18", "19", "1A", "1B"} << 3 * M_PI / 4;
        QTest::newRow("2 x 2 west to north") << QByteArrayList{"1C", "1D", "1E", "1F"} << 3 * M_PI / 4;
        QTest::newRow("3 x 3") << QByteArrayList{"1G", "1H", "1I", "1J", "1K", "1L"} << 5 * M_PI / 4;
        for (const char *diagonal : {"34", "35", "3E", "3F"})
            QTest::newRow(diagonal) << QByteArrayList{diagonal, "3A", "3D"} << M_SQRT2;
        for (const char *bend : {"30", "31", "32", "33", "36", "37", "38", "39"})
            QTest::newRow(bend) << QByteArrayList{bend, "3B"} << 1.1551662;
        QTest::newRow("two corners") << QByteArrayList{"3G", "3H"} << 0.0;
    }

    void sharedBands()
    {
        QFETCH(QByteArrayList, codes);
        QFETCH(double, length);
        double area = 0, table = 0;
        for (const QByteArray &code : codes) {
            area += Measured(code).area(Road);
            table += piece(code).road.length();
        }
        const double road = area / widthOf(codes.first()) / cell;
        if (length == 0) {
            // The corner pieces carry no centre line: their road is the
            // spill of four corners, which the diagonals' rows account for.
            QCOMPARE(table, 0.0);
            QVERIFY(qAbs(area - 4 * Measured("3A").area(Road)) < 0.03 * area);
            return;
        }
        // A band's edge cut slanted leaves more pixels partly road.
        QVERIFY2(qAbs(road - length) < 0.03 * length, qPrintable(QStringLiteral("%1 measured for %2").arg(road).arg(length)));
        QVERIFY2(qAbs(table - length) < 1e-6, qPrintable(QStringLiteral("%1 in the table").arg(table)));
    }

    // Through a roundabout: in to the middle of its ring, half round, out;
    // a turning bay: in to the middle of its ring and once round it. The
    // ring's radii are measured along a ray from its hub that meets no arm,
    // each to a pixel, which on a ring this small is a few percent.
    void rings_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QPointF>("hub");
        QTest::addColumn<QPointF>("away");  // from the hub, away from the entry
        const double d = M_SQRT1_2;
        QTest::newRow("2B") << QByteArray("2B") << QPointF(24, 24) << QPointF(d, d);
        QTest::newRow("BI") << QByteArray("BI") << QPointF(24, 24) << QPointF(-d, d);
        QTest::newRow("BC") << QByteArray("BC") << QPointF(27, 24) << QPointF(1, 0);
        QTest::newRow("BD") << QByteArray("BD") << QPointF(24, 27) << QPointF(0, 1);
        QTest::newRow("BE") << QByteArray("BE") << QPointF(21, 24) << QPointF(-1, 0);
        QTest::newRow("BF") << QByteArray("BF") << QPointF(24, 21) << QPointF(0, -1);
    }

    void rings()
    {
        QFETCH(QByteArray, code);
        QFETCH(QPointF, hub);
        QFETCH(QPointF, away);
        const Measured m(code);
        const auto [inner, outer] = ringRadii(m, hub, away);
        QVERIFY(inner > 0 && outer > inner);
        const double middle = (inner + outer) / 2;
        const PieceRoad &road = piece(code).road;
        if (road.ways().isEmpty()) {
            // The entry runs from the edge to the ring's middle.
            const double entry = std::max(std::abs(hub.x() - 24), std::abs(hub.y() - 24)) + 24 - middle;
            const double measured = (entry + 2 * M_PI * middle) / cell;
            QVERIFY2(qAbs(measured - road.rest()) < 0.08 * road.rest(), qPrintable(QString::number(measured)));
        } else {
            const double measured = (2 * (24 - middle) + M_PI * middle) / cell;
            for (const RoadWay &way : road.ways())
                QVERIFY2(qAbs(measured - way.length) < 0.08 * way.length, qPrintable(QString::number(measured)));
        }
    }

    // A road into a paved area runs from its edge to the area's border in
    // the middle of the cell; the paving, like a pit lane, counts apart.
    void entries_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QRect>("outside");  // the half of the cell beyond the border
        QTest::newRow("5C") << QByteArray("5C") << QRect(0, 0, 48, 24);
        QTest::newRow("5D") << QByteArray("5D") << QRect(24, 0, 24, 48);
        QTest::newRow("5E") << QByteArray("5E") << QRect(0, 24, 48, 24);
        QTest::newRow("5F") << QByteArray("5F") << QRect(0, 0, 24, 48);
    }

    void entries()
    {
        QFETCH(QByteArray, code);
        QFETCH(QRect, outside);
        const Measured m(code);
        const double measured = m.area(Road, outside) / widthOf(code) / cell;
        QVERIFY2(qAbs(measured - piece(code).road.rest()) < 0.05, qPrintable(QString::number(measured)));
        QVERIFY(piece(code).road.ways().isEmpty());
    }

    // Every way of every piece runs along the middle of its road.
    void shapes_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<int>("way");
        for (const Piece &p : PieceTable::pieces())
            for (int k = 0; k < p.road.ways().size(); ++k)
                QTest::addRow("%s way %d", p.code.constData(), k) << p.code << k;
    }

    void shapes()
    {
        QFETCH(QByteArray, code);
        QFETCH(int, way);
        const RoadWay &w = piece(code).road.ways()[way];
        QVERIFY2(qAbs(w.length - w.shape.length()) < 1e-12, "a way is as long as its shape");
        const QString fault = shapeFault(code, w);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        // Driven the other way, the same line.
        QVERIFY(samePose(w.shape.reversed().end(), {w.shape.start().point, w.shape.start().heading + M_PI}));
    }

    // Shapes that are plausible but wrong, each found out.
    void wrongShapesRefused_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QVector<RoadSegment>>("segments");
        const auto arc = &RoadSegment::arc;
        const auto ahead = &RoadSegment::straight;
        const RoadSegment swing = RoadSegment::kink(-90, 0.2);
        QTest::newRow("chicane kinked the other way")
            << QByteArray("AC") << QVector<RoadSegment>{arc(0.331274, -25.43199), ahead(0.2385968), arc(0.331274, 50.86398), ahead(0.2385968), arc(0.331274, -25.43199)};
        QTest::newRow("corner cut square")
            << QByteArray("00") << QVector<RoadSegment>{ahead(0.5), RoadSegment::kink(90, 0.2), ahead(0.5)};
        QTest::newRow("roundabout's ring too tight")
            << QByteArray("2B") << QVector<RoadSegment>{ahead(0.25), swing, arc(0.25, 180), swing, ahead(0.25)};
        QTest::newRow("ring a little tight")
            << QByteArray("2B") << QVector<RoadSegment>{ahead(10.0 / 48), swing, arc(14.0 / 48, 180), swing, ahead(10.0 / 48)};
        QTest::newRow("bend too tight") << QByteArray("30") << QVector<RoadSegment>{arc(1, 45), ahead(0.2071068)};
    }

    void wrongShapesRefused()
    {
        QFETCH(QByteArray, code);
        QFETCH(QVector<RoadSegment>, segments);
        const RoadWay &right = piece(code).road.ways().first();
        const RoadShape shape(right.shape.start(), segments);
        const QString fault = shapeFault(code, RoadWay{right.from, right.to, shape.length(), shape});
        QVERIFY(!fault.isEmpty());
        qDebug().noquote() << fault;
    }

    // Every piece with road edges is measured above; the others carry none.
    void everyPieceMeasured()
    {
        for (const Piece &p : PieceTable::pieces()) {
            bool road = false;
            for (Edge edge : Edges::all)
                for (const EdgeSpan &span : p.edges[edge].spans())
                    road |= span.kind == EdgeSpan::Road;
            const bool measured = singleBandPieces.contains(p.code) || otherPieces.contains(p.code);
            QVERIFY2(!road || measured, p.code.constData());
            if (!road)
                QCOMPARE(p.road.length(), 0.0);
        }
    }
};

QTEST_GUILESS_MAIN(TestRoadLengths)
#include "tst_roadlengths.moc"
