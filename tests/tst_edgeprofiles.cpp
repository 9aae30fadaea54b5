// SPDX-License-Identifier: GPL-3.0-or-later
// Every generated tile against its piece's edge profiles: along each edge the
// artwork must show road and paving where the profile says, to a pixel, so
// that what the connection check compares is what users see.
#include "tilecolours.h"

#include "pieces/bmpreader.h"
#include "pieces/catalogue.h"
#include "pieces/pieceedges.h"
#include "tools/tilegen/roadstyle.h"
#include "tools/tilegen/tilegeometry.h"

#include <QDir>
#include <QtTest>

static_assert(EdgeProfile::length == Tile::cell, "profiles are measured in cell pixels");

namespace {

using TileColours::blendOf;
using TileColours::near;

// Road and ground in the style of a piece's series.
struct Look
{
    explicit Look(const QByteArray &code)
        : style(code[0] == 'A' ? RoadStyle::foamMat() : code[0] == 'B' ? RoadStyle::carpet() : RoadStyle::circuit())
    {
    }
    // Bare tarmac, foam or carpet road, or the pit lane's paving.
    bool surface(QRgb p) const { return near(p, style.surface, style.surfaceGrain) || near(p, Colours::paddock, 5); }
    bool ground(QRgb p) const { return near(p, style.ground, style.groundGrain); }
    // The surface or its edge line. Kerb white is a shade brighter than the
    // line and the pit wall's concrete a shade yellower, which keeps them out.
    bool road(QRgb p) const { return surface(p) || blendOf(p, style.surface, style.line, 3); }

    RoadStyle style;
};

// Within a pixel of where a span begins or ends inside the edge: outlines cut
// such pixels, and positions are rounded to whole pixels.
bool nearOutline(const EdgeProfile &profile, qreal at)
{
    for (const EdgeSpan &span : profile.spans())
        for (int b : {span.from, span.to})
            if (b > 0 && b < Tile::cell && qAbs(at - b) < 1)
                return true;
    return false;
}

// The first pixel along an edge that disagrees with its profile, or "". Away
// from outlines a pixel must be road inside a road span and anything but
// ground inside a paved one (kerbs and markings lie on paving); outside them
// it must not be road, and beside paving it must be ground. Most of a span
// must be bare surface.
QString edgeMismatch(const QImage &tile, const Look &look, Edge edge, const EdgeProfile &profile)
{
    bool paving = false;
    for (const EdgeSpan &span : profile.spans())
        paving |= span.kind == EdgeSpan::Paved;
    QVector<int> bare(profile.spans().size());
    for (int k = 0; k < Tile::cell; ++k) {
        const int across = edge == Edge::North || edge == Edge::West ? 1 : Tile::cell;
        const bool rowWise = edge == Edge::North || edge == Edge::South;
        const QRgb p = tile.pixel(rowWise ? 1 + k : across, rowWise ? across : 1 + k);
        const qreal at = k + 0.5;
        int s = int(profile.spans().size()) - 1;
        while (s >= 0 && !(at > profile.spans()[s].from && at < profile.spans()[s].to))
            --s;
        const bool fits = s < 0 ? (paving ? look.ground(p) : !look.road(p))
                                : profile.spans()[s].kind == EdgeSpan::Road ? look.road(p) : !look.ground(p);
        if (!fits && !nearOutline(profile, at))
            return QStringLiteral("%1 edge, pixel %2 (%3)").arg(Edges::name(edge)).arg(k).arg(QColor(p).name());
        if (s >= 0)
            bare[s] += look.surface(p) ? 1 : -1;
    }
    for (int count : bare)
        if (count <= 0)
            return QStringLiteral("%1 edge, a span mostly not bare road").arg(Edges::name(edge));
    return QString();
}

QString mismatch(const QByteArray &code, const PieceEdges &edges)
{
    const QImage tile = BmpReader::readFile(QDir(QStringLiteral(KW_TILES_DIR)).filePath(QString::fromLatin1(code) + ".bmp"));
    if (tile.size() != QSize(Tile::fileSize, Tile::fileSize))
        return QStringLiteral("tile is not %1 pixels square").arg(Tile::fileSize);
    for (Edge edge : Edges::all)
        if (const QString problem = edgeMismatch(tile, Look(code), edge, edges[edge]); !problem.isEmpty())
            return problem + QStringLiteral(" against ") + edges[edge].toString();
    return QString();
}

} // namespace

class TestEdgeProfiles : public QObject
{
    Q_OBJECT

private slots:
    void tableCoversTheCatalogue()
    {
        QCOMPARE(PieceEdges::count(), Catalogue::codeCount);
        for (const QByteArray &code : Catalogue::codes())
            QVERIFY2(PieceEdges::find(code), code.constData());
    }

    void artworkAgreesWithProfiles_data()
    {
        QTest::addColumn<QByteArray>("code");
        for (const QByteArray &code : Catalogue::codes())
            QTest::newRow(code.constData()) << code;
    }

    void artworkAgreesWithProfiles()
    {
        QFETCH(QByteArray, code);
        const QString problem = mismatch(code, *PieceEdges::find(code));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // The comparison above notices an edge's profile two pixels off, or another piece's.
    void aFewPixelsOffIsCaught_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<Edge>("edge");
        QTest::addColumn<EdgeProfile>("profile");
        const auto R = EdgeProfile::road, P = EdgeProfile::paved;
        QTest::newRow("straight lower") << QByteArray("04") << Edge::East << R(16, 36);
        QTest::newRow("carpet corner wider") << QByteArray("B0") << Edge::South << R(12, 36);
        QTest::newRow("larger corner's cut") << QByteArray("1H") << Edge::East << R(21, 43);
        QTest::newRow("diagonal's corner shorter") << QByteArray("34") << Edge::North << R(36, 48);
        QTest::newRow("pit lane missing") << QByteArray("40") << Edge::West << R(14, 34);
        QTest::newRow("paving shorter") << QByteArray("50") << Edge::East << P(26, 48);
        QTest::newRow("kerbed paving longer") << QByteArray("60") << Edge::West << P(22, 48);
        QTest::newRow("gravel as paving") << QByteArray("09") << Edge::North << P(0, 48);
    }

    void aFewPixelsOffIsCaught()
    {
        QFETCH(QByteArray, code);
        QFETCH(Edge, edge);
        QFETCH(EdgeProfile, profile);
        const PieceEdges &e = *PieceEdges::find(code);
        auto at = [&](Edge which) { return which == edge ? profile : e[which]; };
        QVERIFY(!mismatch(code, PieceEdges(at(Edge::North), at(Edge::East), at(Edge::South), at(Edge::West))).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEdgeProfiles)
#include "tst_edgeprofiles.moc"
