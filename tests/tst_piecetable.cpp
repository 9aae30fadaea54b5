// SPDX-License-Identifier: GPL-3.0-or-later
// The piece table: one well-formed row per code, names a user can tell apart,
// and names that agree with the edges the connection check compares.
#include "pieces/piecetable.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <algorithm>

namespace {

// A set of edges, one bit per edge.
using EdgeSet = int;

EdgeSet bit(Edge edge)
{
    return 1 << int(edge);
}

// The edges a direction word names: "north-east" names two.
EdgeSet edgesNamed(const QString &word)
{
    EdgeSet edges = 0;
    for (const QString &part : word.split(QLatin1Char('-'))) {
        for (Edge edge : Edges::all)
            if (part == Edges::name(edge))
                edges |= bit(edge);
    }
    return edges;
}

bool isDirection(const QString &word)
{
    const QStringList parts = word.split(QLatin1Char('-'));
    return std::all_of(parts.cbegin(), parts.cend(), [](const QString &p) { return edgesNamed(p) != 0; });
}

QStringList words(const QString &clause)
{
    // An en dash joins the two ends of a straight: "west–east".
    return clause.split(QRegularExpression(QStringLiteral("[ \\x{2013}]")), Qt::SkipEmptyParts);
}

// A clause that states a route names the edges its road crosses and nothing
// else: "east to south", "west–east with branch north", "entry from the west",
// "north-west and south-east".
bool isRoute(const QString &clause)
{
    static const QSet<QString> joiners = {"to", "and", "with", "branch", "over", "from", "the",
                                          "entry", "road"};
    bool direction = false;
    for (const QString &word : words(clause)) {
        if (isDirection(word))
            direction = true;
        else if (!joiners.contains(word))
            return false;
    }
    return direction;
}

EdgeSet directionsIn(const QString &clause)
{
    EdgeSet edges = 0;
    for (const QString &word : words(clause))
        if (isDirection(word))
            edges |= edgesNamed(word);
    return edges;
}

EdgeSet roadEdges(const PieceEdges &edges)
{
    EdgeSet result = 0;
    for (Edge edge : Edges::all)
        for (const EdgeSpan &span : edges[edge].spans())
            if (span.kind == EdgeSpan::Road)
                result |= bit(edge);
    return result;
}

QString edgeList(EdgeSet edges)
{
    QStringList names;
    for (Edge edge : Edges::all)
        if (edges & bit(edge))
            names << Edges::name(edge);
    return names.isEmpty() ? QStringLiteral("none") : names.join(QLatin1Char(' '));
}

QStringList clauses(const QString &name)
{
    return name.split(QStringLiteral(", "));
}

// A block cut from one drawing names its route in its first clause
// ("Large corner 2 × 2 east to south"), among other words; its pieces
// share that clause.
bool namesBlockRoute(const QString &firstClause)
{
    return !isRoute(firstClause) && directionsIn(firstClause) != 0;
}

} // namespace

class TestPieceTable : public QObject
{
    Q_OBJECT

private slots:
    void codesAreWellFormed();
    void buildListsTheTableCodes();
    void namesAreUniqueAndTidy();
    void lookUp_data();
    void lookUp();
    void routeNamesAgreeWithEdges_data();
    void routeNamesAgreeWithEdges();
    void blockNamesAgreeWithOuterEdges_data();
    void blockNamesAgreeWithOuterEdges();
};

void TestPieceTable::codesAreWellFormed()
{
    // Each page's codes are its series character and the index characters
    // in order, without a gap; its slots are distinct, in two rows.
    const QByteArray order("0123456789ABCDEFGHIJKL");
    QHash<int, int> nextIndex;
    QSet<QPair<int, int>> takenSlots[16];
    QSet<QByteArray> seen;
    for (const Piece &piece : PieceTable::pieces()) {
        QVERIFY2(piece.page >= 0 && piece.page < PieceTable::pages().size(), piece.code.constData());
        QCOMPARE(piece.code.size(), 2);
        QCOMPARE(piece.code.at(0), PieceTable::pages().at(piece.page).series);
        QCOMPARE(piece.code.at(1), order.at(nextIndex[piece.page]++));
        QVERIFY2(!seen.contains(piece.code), piece.code.constData());
        seen.insert(piece.code);
        QVERIFY(piece.slot.row == 0 || piece.slot.row == 1);
        QVERIFY(piece.slot.column >= 0);
        QVERIFY2(!takenSlots[piece.page].contains({piece.slot.column, piece.slot.row}), piece.code.constData());
        takenSlots[piece.page].insert({piece.slot.column, piece.slot.row});
    }
    QCOMPARE(seen.size(), 163);
    // Pages come in palette order, one after the other.
    int lastPage = 0;
    for (const Piece &piece : PieceTable::pieces()) {
        QVERIFY(piece.page >= lastPage);
        lastPage = piece.page;
    }
}

void TestPieceTable::buildListsTheTableCodes()
{
    // The build reads its list of tile files out of the table's source; the
    // compiled table must say the same.
    QList<QByteArray> built = QByteArray(KW_PIECE_CODES).split(',');
    QList<QByteArray> table;
    for (const Piece &piece : PieceTable::pieces())
        table.append(piece.code);
    QCOMPARE(built, table);
}

void TestPieceTable::namesAreUniqueAndTidy()
{
    QHash<QString, QByteArray> owner;
    for (const Piece &piece : PieceTable::pieces()) {
        const QString &name = piece.name;
        QVERIFY2(!name.isEmpty(), piece.code.constData());
        QVERIFY2(!owner.contains(name), qPrintable(name + QStringLiteral(": ") + QString::fromLatin1(owner.value(name))
                                                   + QStringLiteral(" and ") + QString::fromLatin1(piece.code)));
        owner.insert(name, piece.code);
        QVERIFY2(name == name.simplified(), qPrintable(name));
        QVERIFY2(name.at(0).isUpper(), qPrintable(name));
        // The two ends of a straight join with an en dash, everywhere alike.
        QVERIFY2(!name.contains(QRegularExpression(QStringLiteral("(north|east|south|west)-(north|south)\\b(?!-)|"
                                                                  "(east|west)-(east|west)"))),
                 qPrintable(name));
        QVERIFY2(!name.contains(QLatin1Char('"')) && !name.contains(QLatin1Char('\t')), qPrintable(name));
    }
}

void TestPieceTable::lookUp_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("first") << QByteArray("00") << QStringLiteral("Corner, east to south");
    QTest::newRow("start line") << QByteArray("06") << QString::fromUtf8("Straight, west\u2013east, start line");
    QTest::newRow("foam") << QByteArray("AG") << QStringLiteral("Foam crossroads");
    QTest::newRow("last") << QByteArray("79") << QStringLiteral("Straw bales");
    QTest::newRow("outside") << QByteArray("ZZ") << QString();
    QTest::newRow("lower case") << QByteArray("0a") << QString();
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestPieceTable::lookUp()
{
    QFETCH(QByteArray, code);
    QFETCH(QString, name);
    QCOMPARE(PieceTable::name(code), name);
    const Piece *piece = PieceTable::find(code);
    QCOMPARE(piece != nullptr, !name.isEmpty());
    if (piece)
        QCOMPARE(piece->code, code);
}

void TestPieceTable::routeNamesAgreeWithEdges_data()
{
    QTest::addColumn<QByteArray>("code");
    int routes = 0;
    for (const Piece &piece : PieceTable::pieces()) {
        const QStringList parts = clauses(piece.name);
        if (std::any_of(parts.cbegin(), parts.cend(), isRoute)) {
            QTest::newRow(piece.code.constData()) << piece.code;
            ++routes;
        }
    }
    // Most pieces state their route; if this drops, the rule stopped applying.
    QVERIFY(routes >= 90);
}

void TestPieceTable::routeNamesAgreeWithEdges()
{
    // The edges that a name's route clauses name are exactly those its road
    // crosses: "Corner, east to south" has road on the east and south edges
    // and nowhere else.
    QFETCH(QByteArray, code);
    const Piece &piece = *PieceTable::find(code);
    EdgeSet named = 0;
    for (const QString &clause : clauses(piece.name))
        if (isRoute(clause))
            named |= directionsIn(clause);
    QCOMPARE(edgeList(roadEdges(piece.edges)), edgeList(named));
}

void TestPieceTable::blockNamesAgreeWithOuterEdges_data()
{
    QTest::addColumn<QString>("block");
    QSet<QString> blocks;
    for (const Piece &piece : PieceTable::pieces()) {
        const QString first = clauses(piece.name).first();
        if (namesBlockRoute(first) && !blocks.contains(first)) {
            blocks.insert(first);
            QTest::newRow(qPrintable(first)) << first;
        }
    }
    QCOMPARE(blocks.size(), 5);  // the four 2 x 2 corners and the 3 x 3 one
}

void TestPieceTable::blockNamesAgreeWithOuterEdges()
{
    // A corner cut from one drawing meets the rest of the track only where
    // its road crosses a block edge as an ordinary road does: those edges,
    // over all its pieces, are the ones its name gives.
    QFETCH(QString, block);
    const EdgeProfile ordinary = EdgeProfile::road(14, 34);
    EdgeSet outer = 0;
    int pieces = 0;
    for (const Piece &piece : PieceTable::pieces()) {
        if (clauses(piece.name).first() != block)
            continue;
        ++pieces;
        for (Edge edge : Edges::all)
            if (piece.edges[edge] == ordinary)
                outer |= bit(edge);
    }
    QVERIFY(pieces >= 4);
    QCOMPARE(edgeList(outer), edgeList(directionsIn(block)));
}

QTEST_APPLESS_MAIN(TestPieceTable)
#include "tst_piecetable.moc"
