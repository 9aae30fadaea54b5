// SPDX-License-Identifier: GPL-3.0-or-later
// Every user edit without a window. A row is "before | selected | edit |
// after | step | selected after | what the edit reports": grids are rows
// separated by "/", selections rectangles "column,row,width,height"; an
// empty step is none. Undo gives back the grid and the selection before
// the edit, redo those after it; only size changes leave the track clean.
#include "roadgrids.h"

#include "base/kwerror.h"
#include "base/progress.h"
#include "document/inventory.h"
#include "document/roads/routesolver.h"
#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "pieces/tilestore.h"

#include <QtTest>

namespace {

CellSelection selection(const QString &rects)
{
    CellSelection cells;
    for (const QString &rect : rects.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList n = rect.split(QLatin1Char(','));
        cells.add(QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()));
    }
    return cells;
}

// Performs "verb arguments..." and says what the edit returned.
QString perform(TrackDocument &document, const QString &edit)
{
    TrackEdits &edits = document.edits();
    QStringList words = edit.split(QLatin1Char(' '));
    const QString verb = words.takeFirst(), first = words.value(0);
    const QByteArray code = words.value(1).toLatin1(), text = QByteArray(code).replace('/', "\r\n");
    const QPoint cell = RoadGrids::points(first).value(0);
    auto yes = [](bool done) { return done ? QStringLiteral("done") : QString(); };
    Progress progress;
    TileStore tiles;
    for (const char *known : {"3A", "3B", "05"})
        tiles.insert(known, QImage(2, 2, QImage::Format_RGB32));
    const QHash<QString, QVector<OpenEnd> (TrackEdits::*)(int)> lines{
        {"insertColumn", &TrackEdits::insertColumn}, {"deleteColumn", &TrackEdits::deleteColumn},
        {"insertRow", &TrackEdits::insertRow}, {"deleteRow", &TrackEdits::deleteRow}};
    if (lines.contains(verb))
        return QStringLiteral("%1 opened").arg((edits.*lines[verb])(first.toInt()).size());
    if (verb == "route") {  // the family's piece, then the cells entered
        RouteSolver route(document.grid(), RoadPieces::familyOf(first.toLatin1()));
        const QVector<QPoint> cells = RoadGrids::points(words.mid(1).join(QLatin1Char(' ')));
        route.start(cells.first());
        for (const QPoint &next : cells.mid(1))
            route.enter(next);
        return yes(edits.layRoute(route));
    }
    if (verb == "resize")
        edits.resizeBy(first.toInt(), code.toInt(), progress);
    auto drag = [&] {  // a slider through these widths
        for (const QString &width : words)
            document.setSize(width.toInt(), 2);
    };
    if (verb == "visit")
        edits.resizeWith(drag, progress);
    if (verb == "gaps") {
        const GapCloser::Result result = edits.closeGaps();
        return GapCloser::summaryText(result.gaps, result.pieces);
    }
    try {
        return verb == "place"    ? yes(edits.place(TrackGrid::index(cell.x(), cell.y()), code))
               : verb == "fill"   ? QString::number(edits.fill(TrackGrid::index(cell.x(), cell.y()), code))
               : verb == "move"   ? yes(edits.moveSelection(cell))
               : verb == "owned"  ? edits.useOwnedPieces(Inventory::parse(words.join('\n').toLatin1(), "c")).text()
               : verb == "swap"   ? yes(edits.replaceTrack(RoadGrids::fromRows(first)))
               : verb == "copy"   ? QString::fromLatin1(edits.selectedText())
               : verb == "cut"    ? QString::fromLatin1(edits.cut().toText())
               : verb == "delete" ? yes(edits.deleteSelected())
               : verb == "paste"  ? yes(edits.placeBlock(TrackEdits::blockFromText(text, tiles), cell))
               : verb == "turn"   ? edits.turn(first == "Z" ? Turn::Clockwise : Turn::MirrorLeftRight).text
                                  : QString();
    } catch (const KwError &error) {
        return error.message();
    }
}

} // namespace

class TestTrackEdits : public QObject
{
    Q_OBJECT

private slots:
    void edits_data()
    {
        QTest::addColumn<QString>("row");
        // $S a small track, $R a ring of road, $W a row of 30 cells.
        const char *rows[][2] = {
            {"place", "$S | | place 1,1 3B | 00,01,02,3A/03,3B,05,3B | Place piece | | done"},
            {"place, the piece already there", "$S | | place 1,0 01 | $S | Place piece | | done"},
            {"place, no piece chosen", "$S | | place 1,0 | $S | | |"},
            {"fill", "07,73,07/07,73,07 | | fill 0,0 09 | 09,73,07/09,73,07 | Fill | | 2"},
            {"fill, the same piece", "$S | | fill 0,0 00 | $S | | | 0"},
            {"move", "04,05,07/07,07,07 | 0,0,2,1 | move 1,1 | 07,07,07/07,04,05 | Move selection | 1,1,2,1 | done"},
            {"move, nothing selected", "$S | | move 1,0 | $S | | |"},
            {"route", "07,07,07/07,07,07 | | route 04 0,0 2,0 2,1 0,1 0,0 | 00,04,01/02,04,03 | Draw route | | done"},
            {"close gaps", "00,07,07,01/02,04,04,03 | | gaps | $R | Close gaps | | Closed 1 gap with 2 pieces"},
            {"no gap", "$R | | gaps | $R | | | No gap can be closed"},
            {"owned pieces",
             "06,06,04 | | owned 06,1 04,2 | 06,04,04 | Use owned pieces | | Changed 1 piece; all pieces owned"},
            {"replace", "$S | 0,0,1,1 | swap 04/04 | 04/04 | Replace track | 0,0,1,1 | done"},
            {"replace, the same", "$S | | swap $S | $S | | |"},
            {"insert column, a road carried",
             "$R | | insertColumn 2 | 00,04,04,04,01/02,04,04,04,03 | Insert column | | 0 opened"},
            {"delete column, a road broken", "$R | | deleteColumn 0 | 04,04,01/04,04,03 | Delete column | | 2 opened"},
            {"insert row", "$S | | insertRow 2 | $S/07,07,07,07 | Insert row | | 0 opened"},
            {"delete row", "$S | | deleteRow 0 | 03,04,05,3B | Delete row | | 1 opened"},
            {"insert at 30 columns", "$W | | insertColumn 0 | $W | | | 0 opened"},
            {"grid button", "$S | | resize 1 -5 | 00,01,02,3A,07 | Resize grid | |"},
            {"size dialog", "$S | | visit 1 2 3 | 00,01,02/03,04,05 | Resize grid | |"},
            {"copy", "$S | 1,0,2,2 | copy | $S | | 1,0,2,2 | 01,02\r\n04,05\r\n"},
            {"cut, no rectangle", "$S | 0,0,1,1 1,1,1,1 | cut | 07,01,02,3A/03,07,05,3B | Cut | 0,0,1,1 1,1,1,1 | "
                                  "00,01\r\n03,04\r\n"},
            {"cut nothing", "$S | | cut | $S | | |"},
            {"delete, grass too", "07,3A | 0,0,2,1 | delete | 07,07 | Delete | 0,0,2,1 | done"},
            {"paste, cut off",
             "$S | 0,0,1,1 | paste 2,1 3A,3A,3A/3A,3A,3A | 00,01,02,3A/03,04,3A,3A | Paste | 2,1,2,1 | done"},
            {"paste the same pieces", "$S | 0,0,1,1 | paste 2,1 05,3B | $S | | 0,0,1,1 |"},
            {"paste, a code without a picture",
             "$S | | paste 0,0 3A,ZZ | $S | | | No piece has the code \"ZZ\" (row 1, column 2)"},
            {"turn the track",
             "05/08/05 | | turn Z | 04,08,04 | Rotate clockwise | | 1 piece has no turned counterpart: 08"},
            {"mirror a selection",
             "04,01,00/04,03,3A | 0,0,2,2 | turn X | 00,04,00/02,04,3A | Mirror left to right | 0,0,2,2 |"},
            {"turn a selection, cut off",
             "05,07/08,07/05,07 | 0,0,1,3 | turn Z | 04,08/07,07/07,07 | Rotate clockwise | 0,0,2,1 | 1 piece has no "
             "turned counterpart: 08; 1 cell fell beyond the track and was cut off"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString(row[1])
                                         .replace("$S", "00,01,02,3A/03,04,05,3B")
                                         .replace("$R", "00,04,04,01/02,04,04,03")
                                         .replace("$W", "07" + QString(",07").repeated(29));
    }

    void edits()
    {
        QFETCH(QString, row);
        const QStringList f = row.split(QStringLiteral(" |")).replaceInStrings(QRegularExpression("^ "), QString());
        TrackDocument document;
        document.setGrid(RoadGrids::fromRows(f[0]));
        document.setSelection(selection(f[1]));
        const TrackGrid before = document.grid();
        QCOMPARE(perform(document, f[2]), f[6]);
        QCOMPARE(RoadGrids::rows(document.grid()), f[3]);
        QCOMPARE(document.selection(), selection(f[5]));
        QCOMPARE(document.history().undoText(), f[4]);
        QCOMPARE(document.history().count(), f[4].isEmpty() ? 0 : 1);
        QCOMPARE(document.isModified(), !f[4].isEmpty() && f[4] != "Resize grid");
        const TrackGrid after = document.grid();
        document.history().undo();
        QVERIFY(document.grid() == before);
        QCOMPARE(document.selection(), selection(f[1]));
        document.history().redo();
        QVERIFY(document.grid() == after);
        QCOMPARE(document.selection(), selection(f[5]));
    }

    // A stroke is one step however many cells it paints; its end, or the
    // history moving under it, ends it.
    void strokes()
    {
        TrackDocument document;
        document.setGrid(RoadGrids::fromRows("07,07,07/07,07,07"));
        TrackEdits &edits = document.edits();
        QVERIFY(!edits.beginStroke(0, QByteArray()));
        QVERIFY(edits.beginStroke(TrackGrid::index(0, 0), "04"));
        QVERIFY(!edits.place(TrackGrid::index(2, 1), "04"));
        edits.continueStroke(TrackGrid::index(1, 0), "04");
        edits.endStroke();
        edits.continueStroke(TrackGrid::index(2, 0), "04");
        QVERIFY(edits.beginStroke(TrackGrid::index(0, 1), "05"));
        document.history().undo();
        edits.continueStroke(TrackGrid::index(1, 1), "05");
        QCOMPARE(RoadGrids::rows(document.grid()), QStringLiteral("04,04,07/07,07,07"));
        QCOMPARE(document.history().index(), 1);
        QCOMPARE(document.history().undoText(), QStringLiteral("Paint stroke"));
    }
};

QTEST_MAIN(TestTrackEdits)
#include "tst_trackedits.moc"
