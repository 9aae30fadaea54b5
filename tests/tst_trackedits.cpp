// SPDX-License-Identifier: GPL-3.0-or-later
// Every user edit without a window: an edit on a small track, the grid and
// selection after it, the step it makes and what it reports; undo gives
// back the grid and selection before it, redo those after. Grids are rows
// separated by "/", selections rectangles "column,row,width,height".
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

const QString small = QStringLiteral("00,01,02,3A/03,04,05,3B");
const QString grass = QStringLiteral("07,07,07,07,07/07,07,07,07,07/07,07,07,07,07");

CellSelection selection(const QString &rects)
{
    CellSelection cells;
    for (const QString &rect : rects.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList n = rect.split(QLatin1Char(','));
        cells.add(QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()));
    }
    return cells;
}

QString rows(const TrackBlock &block)
{
    return QString::fromLatin1(block.toText()).replace(QLatin1String("\r\n"), QLatin1String("/")).chopped(1);
}

int indexOf(const QString &xy)
{
    const QStringList n = xy.split(QLatin1Char(','));
    return TrackGrid::index(n[0].toInt(), n[1].toInt());
}

// Performs "verb arguments..." and says what the edit returned.
QString perform(TrackEdits &edits, const QString &edit)
{
    QStringList words = edit.split(QLatin1Char(' '));
    const QString verb = words.takeFirst();
    const QByteArray code = words.value(1).toLatin1();
    auto yes = [](bool done) { return done ? QStringLiteral("done") : QString(); };
    if (verb == "place")
        return yes(edits.place(indexOf(words[0]), code));
    if (verb == "fill")
        return QString::number(edits.fill(indexOf(words[0]), code));
    if (verb == "move")
        return yes(edits.moveSelection(RoadGrids::points(words[0]).value(0)));
    if (verb == "route") {  // the family's piece, then the cells entered
        RouteSolver route(RoadGrids::fromRows(grass), RoadPieces::familyOf(words.takeFirst().toLatin1()));
        const QVector<QPoint> cells = RoadGrids::points(words.join(QLatin1Char(' ')));
        route.start(cells.first());
        for (const QPoint &cell : cells.mid(1))
            route.enter(cell);
        return yes(edits.layRoute(route));
    }
    if (verb == "gaps") {
        const GapCloser::Result result = edits.closeGaps();
        return GapCloser::summaryText(result.gaps, result.pieces);
    }
    if (verb == "owned")
        return edits.useOwnedPieces(Inventory::parse(words.join('\n').toLatin1(), "club.csv")).text();
    if (verb == "replace")
        return yes(edits.replaceTrack(RoadGrids::fromRows(words[0])));
    const QHash<QString, QVector<OpenEnd> (TrackEdits::*)(int)> lines{
        {"insertColumn", &TrackEdits::insertColumn}, {"deleteColumn", &TrackEdits::deleteColumn},
        {"insertRow", &TrackEdits::insertRow}, {"deleteRow", &TrackEdits::deleteRow}};
    if (lines.contains(verb))
        return QStringLiteral("%1 opened").arg((edits.*lines[verb])(words[0].toInt()).size());
    if (verb == "copy")
        return QString::fromLatin1(edits.selectedText());
    if (verb == "cut")
        return rows(edits.cut());
    if (verb == "delete")
        return yes(edits.deleteSelected());
    if (verb == "paste")  // where, then the block's text
        return yes(edits.placeBlock(TrackBlock::fromText(words[1].replace('/', "\r\n").toLatin1()),
                                    RoadGrids::points(words[0]).value(0)));
    const QHash<QString, Turn> turns{{"Z", Turn::Clockwise}, {"X", Turn::MirrorLeftRight}};
    return edits.turn(turns.value(words[0])).text;
}

} // namespace

class TestTrackEdits : public QObject
{
    Q_OBJECT

private slots:
    void edits_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("step");  // empty: no step
        QTest::addColumn<QString>("selectedAfter");
        QTest::addColumn<QString>("outcome");
        const QString ring = "00,04,04,01/02,04,04,03";
        const QString blocks = "04,05,07,07,07/07,07,07,07,07";
        QTest::newRow("place") << small << "" << "place 1,1 3A" << "00,01,02,3A/03,3A,05,3B" << "Place piece" << ""
                               << "done";
        QTest::newRow("place, the piece already there") << small << "" << "place 1,0 01" << small << "Place piece" << ""
                                                        << "done";
        QTest::newRow("place, no piece chosen") << small << "" << "place 1,0" << small << "" << "" << "";
        QTest::newRow("fill up to a wall") << "07,73,07/07,73,07" << "" << "fill 0,0 09" << "09,73,07/09,73,07"
                                           << "Fill" << "" << "2";
        QTest::newRow("fill, the same piece") << small << "" << "fill 0,0 00" << small << "" << "" << "0";
        QTest::newRow("move") << blocks << "0,0,2,1" << "move 2,1" << "07,07,07,07,07/07,07,04,05,07"
                              << "Move selection" << "2,1,2,1" << "done";
        QTest::newRow("move, cut off") << blocks << "0,0,2,1" << "move 4,0" << "07,07,07,07,04/07,07,07,07,07"
                                       << "Move selection" << "4,0,1,1" << "done";
        QTest::newRow("move, nothing selected") << blocks << "" << "move 1,0" << blocks << "" << "" << "";
        QTest::newRow("route") << grass << "" << "route 04 1,0 3,0 3,2 1,2 1,0"
                               << "07,00,04,01,07/07,05,07,05,07/07,02,04,03,07" << "Draw route" << "" << "done";
        QTest::newRow("close gaps") << "00,07,07,01/02,04,04,03" << "" << "gaps" << ring << "Close gaps" << ""
                                    << "Closed 1 gap with 2 pieces";
        QTest::newRow("no gap") << ring << "" << "gaps" << ring << "" << "" << "No gap can be closed";
        QTest::newRow("owned pieces") << "06,06,04" << "" << "owned 06,1 04,2" << "06,04,04" << "Use owned pieces"
                                      << "" << "Changed 1 piece; all pieces owned";
        QTest::newRow("replace") << small << "0,0,1,1" << "replace 04,04/04,04" << "04,04/04,04" << "Replace track"
                                 << "0,0,1,1" << "done";
        QTest::newRow("replace, the same") << small << "" << "replace " + small << small << "" << "" << "";
        QTest::newRow("insert column") << small << "" << "insertColumn 0" << "07,00,01,02,3A/07,03,04,05,3B"
                                       << "Insert column" << "" << "0 opened";
        QTest::newRow("insert column, a road carried") << ring << "" << "insertColumn 2"
                                                       << "00,04,04,04,01/02,04,04,04,03" << "Insert column" << ""
                                                       << "0 opened";
        QTest::newRow("delete column, road broken") << ring << "" << "deleteColumn 0" << "04,04,01/04,04,03"
                                                    << "Delete column" << "" << "2 opened";
        QTest::newRow("insert row") << small << "" << "insertRow 1" << "00,01,02,3A/05,07,07,07/03,04,05,3B"
                                    << "Insert row" << "" << "0 opened";
        QTest::newRow("delete row") << small << "" << "deleteRow 0" << "03,04,05,3B" << "Delete row" << ""
                                    << "1 opened";
        const QString wide = QString("07,").repeated(29) + "07";
        QTest::newRow("insert at 30 columns") << wide << "" << "insertColumn 0" << wide << "" << "" << "0 opened";
        QTest::newRow("delete the last row") << "04,04" << "" << "deleteRow 0" << "04,04" << "" << "" << "0 opened";
        QTest::newRow("copy") << small << "1,0,2,2" << "copy" << small << "" << "1,0,2,2" << "01,02\r\n04,05\r\n";
        QTest::newRow("cut") << small << "1,0,2,2" << "cut" << "00,07,07,3A/03,07,07,3B" << "Cut" << "1,0,2,2"
                             << "01,02/04,05";
        QTest::newRow("cut, no rectangle") << small << "0,0,1,1 1,1,1,1" << "cut" << "07,01,02,3A/03,07,05,3B"
                                           << "Cut" << "0,0,1,1 1,1,1,1" << "00,01/03,04";
        QTest::newRow("cut nothing") << small << "" << "cut" << small << "" << "" << "";
        QTest::newRow("delete, grass too") << small << "3,0,1,1 0,0,1,1" << "delete" << "07,01,02,07/03,04,05,3B"
                                           << "Delete" << "3,0,1,1 0,0,1,1" << "done";
        QTest::newRow("paste") << small << "0,0,1,1" << "paste 2,1 3A,3B" << "00,01,02,3A/03,04,3A,3B" << "Paste"
                               << "2,1,2,1" << "done";
        QTest::newRow("paste, cut off") << small << "" << "paste 2,1 3A,3A,3A/3A,3A,3A" << "00,01,02,3A/03,04,3A,3A"
                                        << "Paste" << "2,1,2,1" << "done";
        QTest::newRow("paste the same pieces") << small << "0,0,1,1" << "paste 2,1 05,3B" << small << "" << "0,0,1,1"
                                               << "";
        QTest::newRow("turn the track") << "04,01/04,03" << "" << "turn Z" << "05,05/02,03" << "Rotate clockwise" << ""
                                        << "";
        QTest::newRow("turn, unmatched") << "05/08/05" << "" << "turn Z" << "04,08,04" << "Rotate clockwise" << ""
                                         << "1 piece has no turned counterpart: 08";
        QTest::newRow("mirror a selection") << "04,01,00/04,03,3A" << "0,0,2,2" << "turn X" << "00,04,00/02,04,3A"
                                            << "Mirror left to right" << "0,0,2,2" << "";
        QTest::newRow("turn a selection, cut off") << "05,07/08,07/05,07" << "0,0,1,3" << "turn Z"
                                                   << "04,08/07,07/07,07" << "Rotate clockwise" << "0,0,2,1"
                                                   << "1 piece has no turned counterpart: 08; "
                                                      "1 cell fell beyond the track and was cut off";
    }

    void edits()
    {
        QFETCH(QString, before);
        QFETCH(QString, selected);
        QFETCH(QString, edit);
        QFETCH(QString, after);
        QFETCH(QString, step);
        QFETCH(QString, selectedAfter);
        QFETCH(QString, outcome);
        TrackDocument document;
        document.setGrid(RoadGrids::fromRows(before));
        document.setSelection(selection(selected));
        const TrackGrid first = document.grid();
        QCOMPARE(perform(document.edits(), edit), outcome);
        QCOMPARE(RoadGrids::rows(document.grid()), after);
        QCOMPARE(document.selection(), selection(selectedAfter));
        QCOMPARE(document.history().undoText(), step);
        QCOMPARE(document.history().count(), step.isEmpty() ? 0 : 1);
        QCOMPARE(document.isModified(), !step.isEmpty());
        const TrackGrid last = document.grid();
        document.history().undo();
        QVERIFY(document.grid() == first);
        QCOMPARE(document.selection(), selection(selected));
        document.history().redo();
        QVERIFY(document.grid() == last);
        QCOMPARE(document.selection(), selection(selectedAfter));
    }

    // A stroke is one step however many cells it paints; the history moving
    // under it, or its end, ends it.
    void strokes()
    {
        TrackDocument document;
        document.setGrid(RoadGrids::fromRows(grass));
        TrackEdits &edits = document.edits();
        QVERIFY(!edits.beginStroke(0, QByteArray()));
        QVERIFY(edits.beginStroke(0, "04"));
        QVERIFY(!edits.place(4, "04"));
        for (int column = 1; column < 4; ++column)
            edits.continueStroke(TrackGrid::index(column, 0), "04");
        edits.endStroke();
        edits.continueStroke(TrackGrid::index(4, 0), "04");
        QCOMPARE(RoadGrids::rows(document.grid()).left(14), QStringLiteral("04,04,04,04,07"));
        QCOMPARE(document.history().count(), 1);
        QCOMPARE(document.history().undoText(), QStringLiteral("Paint stroke"));
        QVERIFY(edits.beginStroke(TrackGrid::index(0, 1), "05"));
        document.history().undo();
        edits.continueStroke(TrackGrid::index(1, 1), "05");
        QCOMPARE(document.history().index(), 1);
        QVERIFY(document.grid().cell(1, 1).code == "07");
    }

    // Size changes never mark the track; a visit is one step however often
    // it changes the size.
    void resizing()
    {
        TrackDocument document;
        document.setGrid(RoadGrids::fromRows(small));
        Progress progress;
        document.edits().resizeBy(1, -5, progress);
        QCOMPARE(RoadGrids::rows(document.grid()), QStringLiteral("00,01,02,3A,07"));
        document.edits().resizeWith(
            [&] {
                for (int width = 1; width < 4; ++width)  // a slider dragged
                    document.setSize(width, 2);
            },
            progress);
        QCOMPARE(RoadGrids::rows(document.grid()), QStringLiteral("00,01,02/03,04,05"));
        QVERIFY(document.cell(3, 0).visible == false && document.cell(2, 1).visible);
        QCOMPARE(document.history().count(), 2);
        QCOMPARE(document.history().undoText(), QStringLiteral("Resize grid"));
        QVERIFY(!document.isModified());
    }

    void blockFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("block");  // or the message
        QTest::newRow("known codes") << "00,3A\r\n" << "00,3A";
        QTest::newRow("a code without a picture") << "00,3A\r\nZZ\r\n"
                                                  << "No piece has the code \"ZZ\" (row 2, column 1)";
        QTest::newRow("no code") << "Dear club" << "Not a piece code: \"Dear club\" (row 1, column 1)";
    }

    void blockFromText()
    {
        QFETCH(QString, text);
        QFETCH(QString, block);
        TileStore tiles;
        for (const char *code : {"00", "3A"})
            tiles.insert(code, QImage(2, 2, QImage::Format_RGB32));
        try {
            QCOMPARE(rows(TrackEdits::blockFromText(text.toLatin1(), tiles)), block);
        } catch (const KwError &error) {
            QCOMPARE(error.message(), block);
        }
    }
};

QTEST_MAIN(TestTrackEdits)
#include "tst_trackedits.moc"
